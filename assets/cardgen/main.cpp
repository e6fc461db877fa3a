// olk-cardgen: draws the pictures of the card libraries at build time.
//
//   olk-cardgen <output folder> <card deck folder>
//
// The card deck folder holds the KDE SVG decks ("svg-standard/standard.svgz",
// ...). For each library letter L (A, B, C) the output folder gets a folder
// L with the pictures and a list "L.qrc" naming each by its resource name,
// which olk-libpack packs into "TevCards06L.dll":
//   faces    every card of each set of the library (faces.h), 69 x 94 and,
//            with "B", 146 x 198 (126 x 198 for a narrow set); a picture two
//            sets share is written once. Faces are stored as the game's
//            loader expects them: with restoreLibraryFace applied.
//   backs    (library B) decks 1 to 12 in 69 x 94, "B" 146 x 198 and "U"
//            126 x 198 (backs.h), and deck 0's seven in "U" only (its
//            others are built into the program).
// Every picture depends only on the deck files, so two runs give the same
// bytes; the work is spread over the machine's cores.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageWriter>
#include <QMutex>
#include <QSvgRenderer>
#include <QTextStream>
#include <QThread>
#include <QtConcurrent/QtConcurrent>

#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "assets/artkit/artkit.h"
#include "assets/cardgen/backs.h"
#include "assets/cardgen/faces.h"
#include "extras/card_looks.h"

namespace {

using namespace olk;
using namespace olk::cardgen;

constexpr int kSmallW = 69;
constexpr int kSmallH = 94;
constexpr int kLargeW = 146;
constexpr int kNarrowW = 126;
constexpr int kLargeH = 198;

// One picture to make: its resource name and how to draw it.
struct Picture {
    char library;
    QString name;
    std::function<QImage()> draw;
};

// One QSvgRenderer per deck and thread: a renderer is not thread-safe.
class Renderers {
public:
    explicit Renderers(QString folder) : m_folder(std::move(folder)) {}

    QSvgRenderer* get(Deck deck)
    {
        const QMutexLocker lock(&m_mutex);
        auto& slot = m_renderers[{QThread::currentThread(), deck}];
        if (!slot) {
            slot = std::make_unique<QSvgRenderer>(QDir(m_folder).filePath(deckFile(deck)));
        }
        return slot->isValid() ? slot.get() : nullptr;
    }

private:
    QString m_folder;
    QMutex m_mutex;
    std::map<std::pair<QThread*, Deck>, std::unique_ptr<QSvgRenderer>> m_renderers;
};

bool isCourtRank(char rankChar)
{
    return rankChar == rank::kJack || rankChar == rank::kQueen || rankChar == rank::kKing;
}

// The set whose own code the picture carries (the pips of "Mod" belong to
// "Modern"): a shared picture is drawn in its owner's style.
int ownerOf(int cardSet, CardCode card)
{
    const CardSetInfo& info = cardSetInfo(cardSet);
    const char* code = info.pipCode;
    if (isCourtRank(card.rank)) {
        code = info.setCode;
    } else if (card.rank == rank::kAce) {
        code = info.aceCode;
    }
    for (int other = 1; other < kCardSets; ++other) {
        if (cardSetInfo(other).library == info.library &&
            QByteArray(cardSetInfo(other).setCode) == QByteArray(code)) {
            return other;
        }
    }
    return cardSet;
}

std::vector<Picture> plan(Renderers& renderers)
{
    std::vector<Picture> pictures;
    QSet<QString> named;
    for (int cardSet = 1; cardSet < kCardSets; ++cardSet) {
        const CardSetInfo& info = cardSetInfo(cardSet);
        for (int n = 1; n <= 52; ++n) {
            const CardCode card = cardFromNumber(n).code;
            const SetStyle& style = setStyle(ownerOf(cardSet, card));
            for (const DrawingClass drawingClass : {DrawingClass::Small, DrawingClass::Large}) {
                const QString name = libraryFaceName(card, cardSet, drawingClass);
                const QString key = QLatin1Char(info.library) + name.toLower();
                if (named.contains(key)) {
                    continue;
                }
                named.insert(key);
                const bool small = drawingClass == DrawingClass::Small;
                const bool narrow = info.narrow;
                pictures.push_back(
                    {info.library, name,
                     [&renderers, &style, card, small, narrow, drawingClass]() -> QImage {
                         QSvgRenderer* svg = renderers.get(style.deck);
                         if (!svg) {
                             return {};
                         }
                         QImage face = renderLibraryFace(*svg, style, card,
                                                         small    ? kSmallW
                                                         : narrow ? kNarrowW
                                                                  : kLargeW,
                                                         small ? kSmallH : kLargeH, !small);
                         if (face.isNull()) {
                             return {};
                         }
                         if (small) {
                             face = art::onWhite(face);
                         }
                         restoreLibraryFace(face, drawingClass, narrow);
                         return face;
                     }});
            }
        }
    }
    for (int deck = 0; deck < kDecks; ++deck) {
        const QList<art::BackDesign> designs = deck == 0 ? art::backDesigns() : deckBacks(deck);
        for (int b = 1; b <= deckInfo(deck).backs && b <= designs.size(); ++b) {
            const art::BackDesign design = designs[b - 1];
            if (deck != 0) {
                pictures.push_back({'B', backName(b, deck, DrawingClass::Small, false), [design] {
                                        return art::onWhite(
                                            art::renderBack(design, kSmallW, kSmallH, false));
                                    }});
                pictures.push_back({'B', backName(b, deck, DrawingClass::Large, false), [design] {
                                        return art::renderBack(design, kLargeW, kLargeH, true);
                                    }});
            }
            pictures.push_back({'B', backName(b, deck, DrawingClass::Large, true), [design] {
                                    return art::renderBack(design, kNarrowW, kLargeH, true);
                                }});
        }
    }
    return pictures;
}

bool writePng(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "PNG");
    // Quality 20 is zlib level 7: within 3% of the strongest setting (the
    // libraries are downloaded) at a fifth of its time.
    writer.setQuality(20);
    // The large faces need their transparent corners; the small ones and
    // every opaque picture are stored without alpha.
    return writer.write(image.hasAlphaChannel() && image.pixelColor(0, 0).alpha() < 255
                            ? image.convertToFormat(QImage::Format_ARGB32)
                            : image.convertToFormat(QImage::Format_RGB32));
}

bool writeLists(const QDir& out, const std::vector<Picture>& pictures)
{
    for (const char library : {'A', 'B', 'C'}) {
        QFile qrc(out.filePath(QLatin1Char(library) + QStringLiteral(".qrc")));
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return false;
        }
        QTextStream list(&qrc);
        list << "<RCC>\n  <qresource>\n";
        for (const Picture& picture : pictures) {
            if (picture.library == library) {
                list << "    <file alias=\"" << picture.name << "\">" << QLatin1Char(library) << '/'
                     << picture.name << ".png</file>\n";
            }
        }
        list << "  </qresource>\n</RCC>\n";
        list.flush();
        if (list.status() != QTextStream::Ok) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: olk-cardgen <output folder> <card deck folder>\n");
        return 2;
    }
    const QDir out(args[1]);
    for (const char* folder : {"A", "B", "C"}) {
        if (!out.mkpath(QString::fromLatin1(folder))) {
            std::fprintf(stderr, "olk-cardgen: cannot create %s\n",
                         qPrintable(out.filePath(folder)));
            return 1;
        }
    }
    for (int deck = 0; deck <= static_cast<int>(Deck::XskatGerman); ++deck) {
        const QString file = QDir(args[2]).filePath(deckFile(static_cast<Deck>(deck)));
        if (!QFileInfo(file).isReadable()) {
            std::fprintf(stderr, "olk-cardgen: cannot read the card deck %s\n", qPrintable(file));
            return 1;
        }
    }
    int failures = 0;
    {
        Renderers renderers(args[2]);
        std::vector<Picture> pictures = plan(renderers);
        std::atomic<int> failed{0};
        QMutex report;
        QtConcurrent::blockingMap(pictures, [&](Picture& picture) {
            const QImage image = picture.draw();
            const QString path = out.filePath(QString(QLatin1Char(picture.library)) +
                                              QLatin1Char('/') + picture.name + ".png");
            if (image.isNull() || !writePng(image, path)) {
                // The first few are named; the rest are only counted.
                if (failed++ < 5) {
                    const QMutexLocker lock(&report);
                    std::fprintf(stderr, "olk-cardgen: cannot make %s\n", qPrintable(picture.name));
                }
            }
        });
        failures = failed;
        if (failures > 0) {
            std::fprintf(stderr, "olk-cardgen: %d pictures could not be made\n", failures);
        }
        if (failures == 0 && !writeLists(out, pictures)) {
            std::fprintf(stderr, "olk-cardgen: cannot write the picture lists\n");
            return 1;
        }
    }
    return failures == 0 ? 0 : 1;
}
