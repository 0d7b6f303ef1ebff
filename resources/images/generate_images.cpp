// Draws the program's pictures into a folder: the sixteen alarm sound pictures, the toolbar
// images and the About icons. Run at build time; usage: generate_images OUTPUT_FOLDER
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QtMath>
#include <cstdio>

namespace {

QImage blank(int w, int h, QColor fill = Qt::transparent)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// Each sound gets its own rhythm: the number of beeps, their length and pitch (bar height)
// follow from the sound number, so no two pictures look alike.
QImage soundPicture(int sound)
{
    QImage image = blank(50, 25, QColor(250, 250, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, 49, 24);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 40, 120));
    p.drawText(QRect(1, 1, 16, 23), Qt::AlignCenter, QString::number(sound + 1));

    const QRect area(18, 3, 29, 19);
    if (sound == 15) {
        // The silent sound: a flat line crossed out.
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.drawLine(area.left(), area.center().y(), area.right(), area.center().y());
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(area.left() + 6, area.bottom() - 2, area.right() - 6, area.top() + 2);
        return image;
    }
    const int beeps = 1 + sound % 4;        // 1-4 beeps a group
    const int groups = 1 + (sound / 4) % 2; // one or two groups
    const int pitch = 6 + (sound * 5) % 13; // bar height 6-18
    const QColor bar = QColor::fromHsv((sound * 23) % 360, 200, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    const int positions = beeps * groups + (groups - 1);
    const int width = qMax(2, area.width() / qMax(1, positions) - 1);
    int x = area.left();
    for (int g = 0; g < groups; ++g) {
        for (int b = 0; b < beeps; ++b) {
            const int h = (sound >= 8 && b % 2 == 1) ? pitch / 2 + 2 : pitch;
            p.drawRect(x, area.bottom() - h, width, h);
            x += width + 1;
        }
        x += width + 1;
    }
    return image;
}

void arrow(QPainter& p, QPointF tip, bool down, QColor color)
{
    const qreal dir = down ? 1 : -1;
    QPolygonF head;
    head << tip << QPointF(tip.x() - 5, tip.y() - dir * 5) << QPointF(tip.x() + 5, tip.y() - dir * 5);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
    p.drawRect(QRectF(tip.x() - 2, tip.y() - dir * 11 - (down ? 0 : -6), 4, 6));
}

// The watch: a round face with a strap, shared by the transfer images.
void watch(QPainter& p, QPointF centre, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(centre.x() - r * 0.6, centre.y() - r * 1.6, r * 1.2, r * 3.2));
    p.setBrush(QColor(30, 110, 190));
    p.drawEllipse(centre, r, r);
    p.setBrush(QColor(230, 240, 250));
    p.drawEllipse(centre, r * 0.65, r * 0.65);
}

QImage toolbarReceive()
{
    QImage image = blank(21, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    watch(p, QPointF(6, 7), 4.5);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(11, 15, 9, 4)); // the PC
    arrow(p, QPointF(15.5, 14), true, QColor(20, 150, 40));
    return image;
}

QImage toolbarSend()
{
    QImage image = blank(21, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    watch(p, QPointF(6, 7), 4.5);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(11, 15, 9, 4));
    arrow(p, QPointF(15.5, 2), false, QColor(200, 90, 20));
    return image;
}

QImage toolbarDaily()
{
    QImage image = blank(21, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 60, 30), 1.5));
    p.setBrush(QColor(250, 245, 225));
    p.drawRect(QRectF(1.5, 3.5, 18, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 170, 20));
    p.drawEllipse(QPointF(6, 8), 2.2, 2.2);
    p.setBrush(QColor(40, 130, 60));
    QPolygonF hill;
    hill << QPointF(3, 16) << QPointF(9, 9) << QPointF(13, 13) << QPointF(15, 11) << QPointF(18, 16);
    p.drawPolygon(hill);
    return image;
}

QImage toolbarClock()
{
    QImage image = blank(21, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(10.5, 10), 8.5, 8.5);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawLine(QPointF(10.5, 10), QPointF(10.5, 4));
    p.drawLine(QPointF(10.5, 10), QPointF(15, 12));
    return image;
}

QImage aboutIcon(int variant)
{
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor sea[] = {QColor(20, 90, 170), QColor(0, 130, 130), QColor(60, 60, 140)};
    p.setPen(Qt::NoPen);
    p.setBrush(sea[variant]);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    // A kelp frond rising from the sea floor, different on each icon.
    p.setPen(QPen(QColor(110, 200, 90), 2.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath frond(QPointF(16, 29));
    frond.cubicTo(QPointF(8 + variant * 4, 22), QPointF(24 - variant * 3, 12), QPointF(14 + variant * 2, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frond);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 240, 255));
    for (int i = 0; i <= variant; ++i)
        p.drawEllipse(QPointF(24 - i * 2, 22 - i * 7), 2.0, 2.0);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_images OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int sound = 0; sound < 16; ++sound)
        ok &= save(soundPicture(sound), folder,
                   QStringLiteral("beep%1.png").arg(sound + 1, 2, 10, QLatin1Char('0')));
    ok &= save(toolbarReceive(), folder, QStringLiteral("toolbar0.png"));
    ok &= save(toolbarSend(), folder, QStringLiteral("toolbar1.png"));
    ok &= save(toolbarDaily(), folder, QStringLiteral("toolbar2.png"));
    ok &= save(toolbarClock(), folder, QStringLiteral("toolbar3.png"));
    for (int variant = 0; variant < 3; ++variant)
        ok &= save(aboutIcon(variant), folder, QStringLiteral("about%1.png").arg(variant));
    return ok ? 0 : 1;
}
