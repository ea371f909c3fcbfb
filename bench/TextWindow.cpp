// The toolkit's own cost of showing text: the bare window (bench/BareWindow) with one line edit that
// holds a value in the programs' font, so its fonts are set up before it shows, as any form with text
// needs them for its first frame.
#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Text window");
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(8.0);
    window.setFont(font);
    window.resize(210, 19);
    QLineEdit edit(QStringLiteral("Customer"), &window);
    edit.resize(window.size());
    window.show();
    return QApplication::exec();
}
