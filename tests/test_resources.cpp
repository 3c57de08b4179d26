// Checks the pictures compiled into the program: every alias the windows ask for resolves, decodes,
// has the pixel size its box expects, and is stored in the file format the rest of the program
// (and the desktop, for the window icon) relies on.

#include "resources/Resources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSize>
#include <QtTest>

namespace {

enum class Format { Png, Jpeg, Bmp24, Bmp32 };

struct Expected {
    const char *alias;
    Format format;
    int width;
    int height;
};

// What the windows were laid out for: banner boxes, wallpaper thumbnails and icons.
const Expected kPictures[] = {
    {"icons/window", Format::Bmp24, 32, 32},
    {"icons/main", Format::Png, 64, 64},
    {"splash/logo", Format::Png, 290, 254},

    {"sites/EvangelistSite", Format::Jpeg, 43, 20},
    {"sites/BibleGateway", Format::Jpeg, 113, 32},
    {"sites/FocusOnTheFamily", Format::Jpeg, 113, 38},
    {"sites/AmazingBible", Format::Jpeg, 113, 10},
    {"sites/PromiseKeepers", Format::Bmp32, 63, 20},
    {"sites/KoinoniaHouse", Format::Jpeg, 113, 18},
    {"sites/GospelPortal", Format::Jpeg, 113, 31},
    {"sites/ChristianCafe", Format::Jpeg, 113, 30},
    {"sites/OnlineScripture", Format::Jpeg, 113, 13},
    {"sites/AnswersInGenesis", Format::Jpeg, 113, 15},
    {"sites/eHarmony", Format::Jpeg, 113, 26},
    {"sites/EastonsBibleDictionary", Format::Jpeg, 113, 14},
    {"sites/Crosswalk", Format::Jpeg, 113, 29},
    {"sites/BibleontheWeb", Format::Jpeg, 113, 29},
    {"sites/HarvestOnline", Format::Jpeg, 113, 41},
    {"sites/NavesTopicalBible", Format::Jpeg, 113, 15},
    {"sites/ChristianityToday", Format::Jpeg, 113, 24},
    {"sites/SermonSearch", Format::Jpeg, 94, 45},
    {"sites/CrossDaily", Format::Jpeg, 113, 29},
    {"sites/ChristianAnswers", Format::Jpeg, 113, 31},
    {"sites/BlueLetterBible", Format::Jpeg, 113, 27},
    {"sites/ChristianHeadlines", Format::Jpeg, 113, 20},
    {"sites/TheBibleSource", Format::Jpeg, 113, 29},
    {"sites/TheBibleMaster", Format::Bmp32, 65, 20},

    {"backgrounds/Abraham", Format::Bmp32, 100, 75},
    {"backgrounds/Armor", Format::Bmp32, 100, 75},
    {"backgrounds/Attitude", Format::Bmp32, 100, 75},
    {"backgrounds/BannerOverMe", Format::Bmp32, 94, 75},
    {"backgrounds/Beginning", Format::Bmp32, 100, 75},
    {"backgrounds/Calvary", Format::Bmp32, 100, 75},
    {"backgrounds/Christian", Format::Bmp32, 100, 75},
    {"backgrounds/Daniel", Format::Bmp32, 100, 75},
    {"backgrounds/Easter1", Format::Bmp32, 100, 75},
    {"backgrounds/Easter", Format::Bmp32, 100, 75},
    {"backgrounds/Fishers", Format::Bmp32, 100, 75},
    {"backgrounds/Flags", Format::Bmp32, 100, 75},
    {"backgrounds/Freedom", Format::Bmp32, 100, 75},
    {"backgrounds/GotJesus", Format::Bmp32, 100, 75},
    {"backgrounds/Hammer", Format::Bmp32, 100, 75},
    {"backgrounds/Heavens", Format::Bmp32, 100, 75},
    {"backgrounds/Knowledge", Format::Bmp32, 100, 75},
    {"backgrounds/Nativity", Format::Bmp32, 100, 75},
    {"backgrounds/NOTW", Format::Bmp32, 100, 75},
    {"backgrounds/Restart", Format::Bmp32, 100, 75},
    {"backgrounds/Sky", Format::Bmp32, 100, 75},
    {"backgrounds/Stars", Format::Bmp32, 100, 75},
    {"backgrounds/Waters", Format::Bmp32, 100, 75},
    {"backgrounds/World", Format::Bmp32, 100, 75},
};

quint32 readLe(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
    return value;
}

QByteArray rawBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace

Q_DECLARE_METATYPE(Format)

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vellory::InitResources(); }

    void picture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Format>("format");
        QTest::addColumn<QSize>("size");
        for (const Expected &picture : kPictures)
            QTest::newRow(picture.alias) << QStringLiteral(":/") + QLatin1String(picture.alias) << picture.format
                                         << QSize(picture.width, picture.height);
    }

    // Decodes through QImage, as the windows do, at the size its box was laid out for, and is not
    // a blank: a picture of one flat colour means the generator drew nothing.
    void picture()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is not in the resources")));
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" does not decode")));
        QCOMPARE(image.size(), size);

        const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < rgb.height() && colours.size() < 8; ++y)
            for (int x = 0; x < rgb.width() && colours.size() < 8; ++x)
                colours.insert(rgb.pixel(x, y));
        QVERIFY2(colours.size() >= 8, qPrintable(path + QStringLiteral(" is nearly a single colour")));
    }

    // The stored bytes are in the promised format, whatever the alias says: the alias has no suffix.
    void fileFormat_data() { picture_data(); }
    void fileFormat()
    {
        QFETCH(QString, path);
        QFETCH(Format, format);
        QFETCH(QSize, size);
        const QByteArray bytes = rawBytes(path);
        QVERIFY2(bytes.size() > 32, qPrintable(path + QStringLiteral(" is missing or truncated")));

        QImageReader reader(path);
        switch (format) {
        case Format::Png:
            QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
            QCOMPARE(reader.format(), QByteArray("png"));
            break;
        case Format::Jpeg:
            QCOMPARE(static_cast<unsigned char>(bytes.at(0)), 0xFFu);
            QCOMPARE(static_cast<unsigned char>(bytes.at(1)), 0xD8u);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            break;
        case Format::Bmp24:
        case Format::Bmp32: {
            QVERIFY(bytes.startsWith("BM"));
            QCOMPARE(reader.format(), QByteArray("bmp"));
            QCOMPARE(readLe(bytes, 2, 4), static_cast<quint32>(bytes.size()));  // bfSize
            QCOMPARE(readLe(bytes, 14, 4), 40u);                                // BITMAPINFOHEADER
            QCOMPARE(readLe(bytes, 18, 4), static_cast<quint32>(size.width()));
            QCOMPARE(readLe(bytes, 22, 4), static_cast<quint32>(size.height()));  // positive: bottom-up
            QCOMPARE(readLe(bytes, 28, 2), format == Format::Bmp32 ? 32u : 24u);  // biBitCount
            QCOMPARE(readLe(bytes, 30, 4), 0u);                                   // BI_RGB, uncompressed
            const quint32 rowBytes = ((static_cast<quint32>(size.width()) * readLe(bytes, 28, 2) + 31) / 32) * 4;
            QCOMPARE(static_cast<quint32>(bytes.size()) - readLe(bytes, 10, 4), rowBytes * size.height());
            break;
        }
        }
    }

    // Qt's own bitmap reader (the one the windows use) must accept the hand-written 32-bit files
    // and see them as opaque pictures of the right size.
    void bitmap32Decodes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const Expected &picture : kPictures)
            if (picture.format == Format::Bmp32)
                QTest::newRow(picture.alias)
                    << QStringLiteral(":/") + QLatin1String(picture.alias) << QSize(picture.width, picture.height);
    }
    void bitmap32Decodes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path, "bmp");
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        QVERIFY(!image.hasAlphaChannel() || image.convertToFormat(QImage::Format_ARGB32).pixel(0, 0) >> 24 == 0xff);

        // The first stored row is the bottom of the picture: compare a decoded pixel with its bytes.
        const QByteArray bytes = rawBytes(path);
        const int offset = static_cast<int>(readLe(bytes, 10, 4));
        const QRgb bottomLeft = image.pixel(0, size.height() - 1);
        QCOMPARE(static_cast<unsigned char>(bytes.at(offset)), static_cast<unsigned char>(qBlue(bottomLeft)));
        QCOMPARE(static_cast<unsigned char>(bytes.at(offset + 1)), static_cast<unsigned char>(qGreen(bottomLeft)));
        QCOMPARE(static_cast<unsigned char>(bytes.at(offset + 2)), static_cast<unsigned char>(qRed(bottomLeft)));
    }

    // The main icon keeps its rounded corners transparent.
    void mainIconHasAlpha()
    {
        const QImage icon(QStringLiteral(":/icons/main"));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
    }

    // Every folder holds exactly the pictures above: nothing missing, nothing left over.
    void foldersHoldExactlyTheCatalogue()
    {
        QSet<QString> expected;
        for (const Expected &picture : kPictures)
            expected.insert(QLatin1String(picture.alias));
        QSet<QString> found;
        for (const QString &folder : {QStringLiteral("icons"), QStringLiteral("splash"), QStringLiteral("sites"),
                 QStringLiteral("backgrounds")}) {
            const QStringList entries = QDir(QStringLiteral(":/") + folder).entryList(QDir::Files);
            QVERIFY2(!entries.isEmpty(), qPrintable(folder + QStringLiteral(" is empty")));
            for (const QString &entry : entries)
                found.insert(folder + QLatin1Char('/') + entry);
        }
        QCOMPARE(found, expected);
    }

    // Calling it again, as a second window or test might, must leave the pictures in place.
    void initResourcesTwiceIsHarmless()
    {
        vellory::InitResources();
        QVERIFY(!QImage(QStringLiteral(":/icons/window")).isNull());
    }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
