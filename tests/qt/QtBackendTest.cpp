#include "platform/qt/QtBackend.h"

#include "tests/qt/QtTestSession.h"
#include "tests/qt/SampleForm.h"
#include "tests/qt/Screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::forms::qt::test {
namespace {

using Events = std::vector<std::string>;

struct ShownSample : QtTestSession {
    ShownSample() {
        form.Show();
        window = session.backend.windowOf(form);
        form.events.clear();
    }
    template <class Widget = QWidget> Widget* find(const std::string& name) { return widget<Widget>(form, name); }

    SampleForm form{session.runtime};
    FormWindow* window = nullptr;
};

TEST(QtBackend, AWindowTheUserMovedIsWhereTheFormSaysItIs) {
    ShownSample sample;
    sample.window->move(200, 120);
    EXPECT_EQ(sample.form.Left(), 3000);
    EXPECT_EQ(sample.form.Top(), 1800);
    EXPECT_EQ(sample.window->pos(), QPoint(200, 120));
}

TEST(QtBackend, PlacesEveryControlAtItsDesignPositionInPixels) {
    ShownSample sample;
    ASSERT_NE(sample.window, nullptr);
    // 6090 x 6315 twips outside; the frame (3), caption (25) and menu bar (20) are not client area.
    EXPECT_EQ(sample.window->pos(), QPoint(100, 100));
    EXPECT_EQ(sample.window->clientArea()->size(), QSize(400, 370));
    EXPECT_EQ(sample.window->clientArea()->y(), 20);

    EXPECT_EQ(sample.find("cmdOK")->geometry(), QRect(312, 15, 67, 22));
    EXPECT_EQ(sample.find("fraUsers")->geometry(), QRect(16, 40, 280, 160));
    // Inside a frame, positions count from the frame's top-left corner.
    EXPECT_EQ(sample.find("lvwUsers")->parentWidget(), sample.find("fraUsers"));
    EXPECT_EQ(sample.find("lvwUsers")->geometry(), QRect(16, 20, 247, 111));
    EXPECT_EQ(sample.find("Line1")->geometry(), QRect(8, 328, 370, 2));

    sample.form.cmdOK.Move(300, 450, 1500, 600);
    EXPECT_EQ(sample.find("cmdOK")->geometry(), QRect(20, 30, 100, 40));
    sample.form.cmdOK.setVisible(false);
    EXPECT_FALSE(sample.find("cmdOK")->isVisible());
    sample.form.cmdCancel.setEnabled(false);
    EXPECT_FALSE(sample.find("cmdCancel")->isEnabled());
}

TEST(QtBackend, ShowsCaptionsFontsAndTextsFromWindows1252) {
    ShownSample sample;
    EXPECT_EQ(sample.find<QAbstractButton>("cmdOK")->text(), "&OK");
    EXPECT_EQ(sample.find<QGroupBox>("fraUsers")->title(), "Authorized Users :");
    EXPECT_TRUE(sample.find("lblTitle")->font().bold());
    EXPECT_GT(sample.find("lblTitle")->font().pointSizeF(), sample.find("cmdOK")->font().pointSizeF());
    EXPECT_TRUE(sample.find("lblLink")->font().underline());
    EXPECT_EQ(sample.find("lblLink")->cursor().shape(), Qt::PointingHandCursor);

    sample.form.txtValue.setText("Caf\xE9 \x80 5");
    EXPECT_EQ(sample.find<QLineEdit>("txtValue")->text(), QString::fromUtf8("Café € 5"));
    sample.form.setCaption("Sample \x96 1");
    EXPECT_EQ(sample.window->windowTitle(), QString::fromUtf8("Sample – 1"));
    sample.form.rtfData.setText("first\nsecond\n");
    EXPECT_EQ(sample.find<QPlainTextEdit>("rtfData")->document()->blockCount(), 3);
}

TEST(QtBackend, RealClicksReachTheSameHandlersAsTheScriptedUser) {
    ShownSample sample;
    QTest::mouseClick(sample.find("cmdOK"), Qt::LeftButton);
    QTest::mouseClick(sample.find("chkOnly"), Qt::LeftButton);
    QTest::mouseClick(sample.find("optUsers"), Qt::LeftButton); // the first of the group: already on
    QList<QRadioButton*> options = sample.window->findChildren<QRadioButton*>("optUsers");
    ASSERT_EQ(options.size(), 2);
    QTest::mouseClick(options[1], Qt::LeftButton);
    QTest::mouseClick(sample.find("lblLink"), Qt::LeftButton);
    QTest::mouseClick(sample.window->clientArea(), Qt::LeftButton, {}, QPoint(395, 300)); // the background
    QTest::mouseClick(sample.window->clientArea(), Qt::LeftButton, {}, QPoint(291, 140)); // inside the frame

    EXPECT_EQ(sample.form.events,
              (Events{"cmdOK_Click", "chkOnly_Click 1", "optUsers_Click 1", "lblLink_Click", "Form_Click"}));
    EXPECT_TRUE(sample.find<QCheckBox>("chkOnly")->isChecked());
    EXPECT_FALSE(options[0]->isChecked());
    EXPECT_TRUE(options[1]->isChecked());
    EXPECT_EQ(sample.form.ActiveControl(), &sample.form.optUsers(1));
}

TEST(QtBackend, CodeSetsStateWithoutUserEvents) {
    ShownSample sample;
    sample.form.chkOnly.setValue(vbGrayed);
    EXPECT_EQ(sample.find<QCheckBox>("chkOnly")->checkState(), Qt::PartiallyChecked);
    sample.form.lstItems.setListIndex(2);
    EXPECT_EQ(sample.find<QListWidget>("lstItems")->currentRow(), 2);
    // Only the model's own Click events: the widgets showing the new state raise nothing.
    EXPECT_EQ(sample.form.events, (Events{"chkOnly_Click 2", "lstItems_Click 2"}));
}

TEST(QtBackend, TypedCharactersGoThroughKeyPressAndEnterAndEscapeToTheButtons) {
    ShownSample sample;
    auto* edit = sample.find<QLineEdit>("txtValue");
    QTest::keyClicks(edit, "axb");
    EXPECT_EQ(sample.form.txtValue.Text(), "ab");
    EXPECT_EQ(edit->text(), "ab");
    EXPECT_EQ(sample.form.ActiveControl(), &sample.form.txtValue);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);

    EXPECT_EQ(sample.form.events,
              (Events{"txtValue_KeyPress 97", "txtValue_Change", "txtValue_KeyPress 120", "txtValue_KeyPress 98",
                      "txtValue_Change", "txtValue_KeyPress 8", "txtValue_Change", "cmdOK_Click", "cmdCancel_Click"}));
    EXPECT_EQ(sample.form.txtValue.Text(), "a");
}

TEST(QtBackend, EditsTheWidgetMakesOnItsOwnReachTheModel) {
    ShownSample sample;
    sample.form.txtValue.setText("abc");
    auto* edit = sample.find<QLineEdit>("txtValue");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(sample.form.txtValue.Text(), "bc");
    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(sample.form.txtValue.SelStart(), 0);
    EXPECT_EQ(sample.form.txtValue.SelLength(), 2);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"));
    QApplication::sendEvent(edit, &accented);
    EXPECT_EQ(sample.form.txtValue.Text(), "\xE9");
}

TEST(QtBackend, ListsTakeTheUsersPicks) {
    ShownSample sample;
    auto* list = sample.find<QListWidget>("lstItems");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "Amber");
    EXPECT_EQ(list->item(2)->text(), "green");
    QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(sample.form.events, (Events{"lstItems_Click 1", "lstItems_DblClick"}));

    sample.form.events.clear();
    auto* combo = sample.find<QComboBox>("cboPick");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(sample.form.events, (Events{"cboPick_Click 0"}));
    EXPECT_EQ(sample.form.cboPick.Text(), "Blue");
}

TEST(QtBackend, ListViewHasTheModelsGeometryChecksAndMouseUp) {
    ShownSample sample;
    auto* tree = sample.find<QTreeWidget>("lvwUsers");
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->header()->height(), ListView::kHeaderPixels);
    EXPECT_EQ(tree->columnWidth(0), 160);
    EXPECT_EQ(tree->columnWidth(1), 80);
    EXPECT_EQ(tree->topLevelItem(1)->text(1), "Full");
    QRect second = tree->visualItemRect(tree->topLevelItem(1));
    EXPECT_EQ(second.height(), 18); // the small-icon list's images are 18 pixels high
    EXPECT_EQ(second.top(), 18);

    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, QPoint(100, second.center().y()));
    settle();
    EXPECT_EQ(sample.form.events, (Events{"lvwUsers_MouseUp 2 KA"}));
    EXPECT_EQ(sample.form.lvwUsers.SelectedItem(), &sample.form.lvwUsers.ListItems(2));

    sample.form.events.clear();
    tree->topLevelItem(2)->setCheckState(0, Qt::Checked); // what a click on the check box does
    EXPECT_EQ(sample.form.events, (Events{"lvwUsers_ItemCheck KJ on"}));
    EXPECT_TRUE(sample.form.lvwUsers.ListItems(3).Checked());

    sample.form.lvwUsers.ListItems(1).setChecked(true);
    EXPECT_EQ(tree->topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(sample.form.events.size(), 1U);
}

TEST(QtBackend, MenusTimersMessageSourcesAndTheCloseBoxWork) {
    ShownSample sample;
    QList<QAction*> actions = sample.window->findChildren<QAction*>();
    auto location = std::find_if(actions.begin(), actions.end(),
                                 [](QAction* action) { return action->text() == "Settings &Locations"; });
    ASSERT_NE(location, actions.end());
    (*location)->trigger();
    sample.form.mnuLocation.setEnabled(false);
    EXPECT_FALSE((*location)->isEnabled());

    int polls = 0;
    int source = sample.session.runtime.addMessageSource([&] { ++polls; });
    sample.form.tmr1.setInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return polls > 1 && sample.form.events.size() >= 2; }, 10000));
    sample.form.tmr1.setEnabled(false);
    sample.session.runtime.removeMessageSource(source);
    EXPECT_GT(polls, 1);
    ASSERT_GE(sample.form.events.size(), 2U);
    EXPECT_EQ(sample.form.events[0], "mnuLocation_Click");
    EXPECT_EQ(sample.form.events[1], "tmr1_Timer");

    sample.window->close();
    EXPECT_FALSE(sample.form.Loaded());
    EXPECT_EQ(sample.session.backend.windowOf(sample.form), nullptr);
    EXPECT_TRUE(sample.session.backend.programHasEnded());
}

TEST(QtBackend, ModalFormRunsItsOwnLoopUntilItUnloads) {
    QtTestSession test;
    SampleForm owner(test.session.runtime, "frmOwner");
    owner.Show();
    SampleForm dialog(test.session.runtime, "frmDialog");
    dialog.cmdOK.Click = [&] { dialog.Unload(); };
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = test.session.backend.windowOf(dialog)->isModal();
        QTest::mouseClick(test.widget(dialog, "cmdOK"), Qt::LeftButton);
    });
    dialog.Show(true);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(owner.Loaded());
    EXPECT_FALSE(test.session.backend.programHasEnded());
}

TEST(QtBackend, WindowOfAFormDestroyedWhileLoadedGoesWithIt) {
    QtTestSession test;
    SampleForm owner(test.session.runtime, "frmOwner");
    owner.Show();
    auto hidden = std::make_unique<SampleForm>(test.session.runtime, "frmHidden");
    hidden->Show();
    hidden->Hide();
    QPointer<FormWindow> window = test.session.backend.windowOf(*hidden);
    ASSERT_FALSE(window.isNull());

    hidden.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(QtBackend, BorderlessTopMostFormIsExactlyItsDesignSize) {
    QtTestSession test;
    Form form(test.session.runtime, {.name = "frmMain",
                                     .caption = "705",
                                     .width = 3150,
                                     .height = 285,
                                     .borderStyle = BorderStyle::None,
                                     .topMost = true});
    form.Show();
    FormWindow* window = test.session.backend.windowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->size(), QSize(210, 19));
    EXPECT_TRUE(window->isVisible());
    form.setTopMost(false);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
}

TEST(QtBackend, AHiddenControlGetsItsWidgetWhenItShowsInItsPlaceAmongTheOthers) {
    QtTestSession test;
    Form form(test.session.runtime, {.name = "frmList", .caption = "List", .width = 3000, .height = 3000});
    CommandButton cmdFirst(form, {.name = "cmdFirst", .width = 1500, .height = 300});
    ListBox lstHidden(form, {.name = "lstHidden", .top = 150, .width = 1500, .height = 900, .visible = false});
    CommandButton cmdLast(form, {.name = "cmdLast", .top = 600, .width = 1500, .height = 300});
    form.Show();
    lstHidden.AppendItems({"Blue", "green"});
    EXPECT_EQ(test.widget(form, "lstHidden"), nullptr);

    lstHidden.setVisible(true);

    auto* list = test.widget<QListWidget>(form, "lstHidden");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 2);
    QWidget* first = test.widget(form, "cmdFirst");
    QWidget* last = test.widget(form, "cmdLast");
    // Stacked above the control before it and under the one after it, as if made with them.
    const QObjectList& stack = list->parentWidget()->children();
    EXPECT_LT(stack.indexOf(first), stack.indexOf(list));
    EXPECT_LT(stack.indexOf(list), stack.indexOf(last));
    EXPECT_EQ(first->nextInFocusChain(), list);
    QWidget* afterList = list->nextInFocusChain();
    while (list->isAncestorOf(afterList)) {
        afterList = afterList->nextInFocusChain();
    }
    EXPECT_EQ(afterList, last);
}

TEST(QtBackend, WhatCodeChangedWhileTheWindowWasHiddenShowsWithIt) {
    ShownSample sample;
    sample.form.Hide();
    sample.form.lstItems.AppendItems({"violet"});
    sample.form.txtValue.setText("changed");
    sample.form.cmdOK.setVisible(false);
    sample.form.lvwUsers.ListItems().Add("KN", "New User");

    sample.form.Show();

    EXPECT_EQ(sample.find<QListWidget>("lstItems")->count(), 5);
    EXPECT_EQ(sample.find<QLineEdit>("txtValue")->text(), "changed");
    EXPECT_FALSE(sample.find("cmdOK")->isVisible());
    EXPECT_EQ(sample.find<QTreeWidget>("lvwUsers")->topLevelItemCount(), 4);
}

TEST(QtBackend, ScreenshotShowsTheWholeDialog) {
    ShownSample sample;
    sample.form.txtValue.setText("Typed value");
    sample.form.rtfData.setText("Blue\ngreen\nred");
    sample.form.cboPick.setListIndex(1);
    QImage image = screenshot(sample.form, *sample.window);
    EXPECT_EQ(image.size(), QSize(406, 421));
    EXPECT_TRUE(std::filesystem::exists(saveScreenshot(image, "qt_sample_form")));
}

} // namespace
} // namespace corvane::forms::qt::test
