#include "platform/qt/QtMsgBox.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ParentWindow.h"

#include <QPushButton>

namespace corvane::forms::qt {

namespace {
QMessageBox::Icon iconOf(MsgBoxIcon icon) {
    switch (icon) {
    case MsgBoxIcon::None:
        return QMessageBox::NoIcon;
    case MsgBoxIcon::Critical:
        return QMessageBox::Critical;
    case MsgBoxIcon::Question:
        return QMessageBox::Question;
    case MsgBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

QString QtMsgBox::displayText(const std::string& text) {
    QString shown = ansi::toQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    return shown;
}

int QtMsgBox::show(const MsgBoxRequest& request) {
    QMessageBox box(iconOf(request.style.icon), ansi::toQt(request.title), displayText(request.text),
                    QMessageBox::NoButton, parentWindow());
    box.setTextFormat(Qt::PlainText);
    if (request.style.buttons == MsgBoxButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(request.style.defaultButton2 ? no : yes);
        hook_.exec(box);
        return box.clickedButton() == yes ? vbYes : vbNo;
    }
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    hook_.exec(box);
    return vbOK;
}

} // namespace corvane::forms::qt
