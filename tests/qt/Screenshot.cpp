#include "tests/qt/Screenshot.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ClassicFont.h"
#include "platform/qt/NonClientMetrics.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace corvane::forms::qt::test {

namespace {
void drawCaption(QPainter& painter, QRect bar, const QString& caption) {
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
    gradient.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    painter.fillRect(bar, gradient);
    QFont font = ClassicFont::standard();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
}
} // namespace

QImage framed(QWidget& window, const QString& caption, int frame) {
    QPixmap inside = window.grab();
    int bar = NonClientMetrics::kCaption;
    QImage image(inside.width() + 2 * frame, inside.height() + 2 * frame + bar, QImage::Format_RGB32);
    image.fill(window.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setPen(window.palette().color(QPalette::Dark));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    drawCaption(painter, QRect(frame, frame, inside.width(), bar - 1), caption);
    painter.drawPixmap(frame, frame + bar, inside);
    return image;
}

QImage screenshot(Form& form, QWidget& window) {
    if (form.BorderStyle() == BorderStyle::None) {
        return window.grab().toImage();
    }
    return framed(window, ansi::toQt(form.Caption()), NonClientMetrics::frame(form.BorderStyle()));
}

std::string saveScreenshot(const QImage& image, const std::string& name) {
    QDir folder(QStringLiteral(CORVANE_SCREENSHOT_DIR));
    folder.mkpath(QStringLiteral("."));
    QString path = folder.filePath(QString::fromStdString(name) + QStringLiteral(".png"));
    image.save(path);
    return path.toStdString();
}

} // namespace corvane::forms::qt::test
