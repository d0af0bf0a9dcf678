// zf_embed_pictures: writes pictures from resources/ as C++ source, their pixels already in the
// form the screen draws them in, so that the program shows them at start-up without decoding
// anything (no PNG decoder, no look through the toolkit's image plugins).
//
//     zf_embed_pictures <output.cpp> <resource-directory> <name>...
//
// Each picture becomes one table row of BuiltInPicture (src/form/built_in_pictures.h) under its
// resource path (":/card.png"): opaque pictures as 32-bit RGB (0xffRRGGBB), the others as
// premultiplied ARGB, one 32-bit word per pixel in the machine's own byte order, rows packed.

#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>
#include <string>

namespace {

std::string identifier(const QString &name) {
    std::string id = "picture_";
    for (const QChar c : name)
        id += c.isLetterOrNumber() ? char(c.toLatin1()) : '_';
    return id;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: zf_embed_pictures <output.cpp> <resource-directory> <name>...\n");
        return 2;
    }
    std::string out = "// Made by zf_embed_pictures from the PNGs in resources/ at build time.\n"
                      "#include \"form/built_in_pictures.h\"\n\nnamespace {\n";
    std::string rows;
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const QString path = QString::fromLocal8Bit(argv[2]) + u'/' + name;
        QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "zf_embed_pictures: cannot read %s\n", qPrintable(path));
            return 1;
        }
        const bool opaque = !image.hasAlphaChannel();
        image.convertTo(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        const std::string id = identifier(name);
        // 16-byte aligned, as the toolkit's drawing routines prefer their rows.
        out += "alignas(16) constexpr char " + id + "[] =\n";
        char hex[8];
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = image.constScanLine(y);
            const auto bytes = qsizetype(image.width()) * 4;
            for (qsizetype x = 0; x < bytes; ++x) {
                if (x % 32 == 0)
                    out += x == 0 && y == 0 ? "    \"" : "\"\n    \"";
                std::snprintf(hex, sizeof hex, "\\x%02x", unsigned(line[x]));
                out += hex;
            }
        }
        out += "\";\n";
        rows += "    {\":/" + name.toStdString() + "\", " + std::to_string(image.width()) + ", " +
                std::to_string(image.height()) + ", " + (opaque ? "true" : "false") + ", " + id +
                "},\n";
    }
    out += "} // namespace\n\nconst BuiltInPicture BuiltInPictures[] = {\n" + rows + "};\n" +
           "const std::size_t BuiltInPictureCount = " + std::to_string(argc - 3) + ";\n";

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(out.data(), qint64(out.size())) != qint64(out.size())) {
        std::fprintf(stderr, "zf_embed_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
