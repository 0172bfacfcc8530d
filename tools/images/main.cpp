// rvl92-images: draws the pictures of the installed tree for the fictional
// publisher KVD: the logo of the start screen, the window icon and the icons of
// the desktop menu entry in the usual sizes of an icon theme. Everything is
// drawn as vector shapes, so the result needs no fonts and looks the same on
// every build machine and at every size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>

#include <optional>

namespace {

const QColor kInk(0x1f, 0x4e, 0x79);    // deep blue of the publisher
const QColor kAccent(0xe0, 0x8a, 0x1e); // warm orange line
const QColor kPaper(Qt::white);

// The letters K, V and D as strokes in a 30 x 10 box, scaled to target.
QPainterPath monogram() {
    QPainterPath path;
    // K
    path.moveTo(1, 1);
    path.lineTo(1, 9);
    path.moveTo(7.5, 1);
    path.lineTo(1.6, 5.6);
    path.moveTo(3.4, 4.3);
    path.lineTo(7.8, 9);
    // V
    path.moveTo(11, 1);
    path.lineTo(15, 9);
    path.lineTo(19, 1);
    // D
    path.moveTo(22, 1);
    path.lineTo(22, 9);
    path.lineTo(25, 9);
    path.cubicTo(30.3, 9, 30.3, 1, 25, 1);
    path.closeSubpath();
    return path;
}

// The blue tile with the white monogram and the orange underline.
void drawTile(QPainter& painter, const QRectF& tile) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    const qreal radius = tile.width() * 0.16;
    painter.drawRoundedRect(tile, radius, radius);

    const QRectF letters(tile.left() + tile.width() * 0.12, tile.top() + tile.height() * 0.30,
                         tile.width() * 0.76, tile.width() * 0.76 / 3.0);
    const qreal scale = letters.width() / 30.0;
    QTransform transform;
    transform.translate(letters.left(), letters.top());
    transform.scale(scale, scale);
    QPen pen(kPaper, std::max<qreal>(1.6 * scale, 1.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(transform.map(monogram()));

    const qreal lineY = letters.bottom() + tile.height() * 0.14;
    QPen line(kAccent, std::max<qreal>(tile.height() * 0.06, 1.5), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(line);
    painter.drawLine(QPointF(letters.left() + scale, lineY),
                     QPointF(letters.right() - scale, lineY));
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 32.0;
    drawTile(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return image;
}

// The logo: the tile at the left and, beside it, a stylised index of lines,
// the classification the publisher maintains.
QImage drawLogo() {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawTile(painter, QRectF(10, 10, 80, 80));
    const qreal lengths[] = {86, 70, 78, 54, 66};
    for (int i = 0; i < 5; ++i) {
        const qreal y = 22 + i * 14;
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == 0 ? kAccent : kInk);
        painter.drawEllipse(QPointF(103, y), 3, 3);
        painter.setBrush(i == 0 ? kInk : kInk.lighter(220));
        painter.drawRoundedRect(QRectF(110, y - 2.5, lengths[i], 5), 2.5, 2.5);
    }
    return image.convertToFormat(QImage::Format_RGB888); // a 24-bit BMP
}

std::optional<QString> save(const QImage& image, const QString& path, const char* format) {
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        return QStringLiteral("Deze Qt-installatie kan geen %1-bestanden schrijven "
                              "(ontbreekt de plug-in voor %1?).")
            .arg(QString::fromLatin1(format).toUpper());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Kan %1 niet aanmaken.").arg(path);
    }
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        return QStringLiteral("Kan %1 niet schrijven: %2").arg(path, writer.errorString());
    }
    if (!file.commit()) {
        return QStringLiteral("Kan %1 niet opslaan.").arg(path);
    }
    return std::nullopt;
}

// The sizes a desktop's icon theme looks for, each drawn at its own size.
constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Draws the desktop icon into the icon theme folder `themeDir`, as
// <size>x<size>/apps/rvl92.png.
std::optional<QString> saveDesktopIcons(const QString& themeDir) {
    for (const int size : kDesktopIconSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
        if (!QDir().mkpath(dir)) {
            return QStringLiteral("Kan de map %1 niet aanmaken.").arg(dir);
        }
        if (std::optional<QString> error = save(drawIcon(size), dir + "/rvl92.png", "png")) {
            return error;
        }
    }
    return std::nullopt;
}

QString usage() {
    return QStringLiteral(
        "Gebruik: rvl92-images --logo <bmp-bestand> --icoon <ico-bestand> --pictogrammen "
        "<map>\n"
        "Tekent het logo (200 x 100), het venstericoon (32 x 32) en de pictogrammen voor\n"
        "het menu van de desktop (16 tot 256 beeldpunten, als <map>/<maat>x<maat>/apps/"
        "rvl92.png).\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QTextStream err(stderr);

    // The arguments first, so that a mistake in them is reported before Qt
    // starts its platform and perhaps adds notes of its own.
    QString logo;
    QString icon;
    QString desktopThemeDir;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        QString* target = name == QLatin1String("--logo")           ? &logo
                          : name == QLatin1String("--icoon")        ? &icon
                          : name == QLatin1String("--pictogrammen") ? &desktopThemeDir
                                                                    : nullptr;
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            QTextStream(stdout) << usage();
            return 0;
        }
        if (!target || i + 1 >= arguments.size()) {
            err << "rvl92-images: "
                << (target ? QStringLiteral("Bij %1 hoort een bestandsnaam.").arg(name)
                           : QStringLiteral("Onbekend argument: %1").arg(name))
                << "\n\n"
                << usage();
            return 2;
        }
        *target = arguments[++i];
    }
    if (logo.isEmpty() && icon.isEmpty() && desktopThemeDir.isEmpty()) {
        err << "rvl92-images: Geef aan welke plaatjes gemaakt moeten worden.\n\n" << usage();
        return 2;
    }

    // Drawing needs no screen; the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const struct {
        const QString& path;
        QImage image;
        const char* format;
    } jobs[] = {
        {logo, logo.isEmpty() ? QImage() : drawLogo(), "bmp"},
        {icon, icon.isEmpty() ? QImage() : drawIcon(32), "ico"},
    };
    for (const auto& job : jobs) {
        if (job.path.isEmpty()) {
            continue;
        }
        if (const std::optional<QString> error = save(job.image, job.path, job.format)) {
            err << "rvl92-images: " << *error << '\n';
            return 1;
        }
    }
    if (!desktopThemeDir.isEmpty()) {
        if (const std::optional<QString> error = saveDesktopIcons(desktopThemeDir)) {
            err << "rvl92-images: " << *error << '\n';
            return 1;
        }
    }
    return 0;
}
