#include "render/SheetFonts.h"

#include "output/CFigura.h"

#include <QFontDatabase>

#include <array>

namespace tallar::render {

namespace {

struct FaceChoice {
    std::string_view face;
    const char* fallback;
    bool heavy; // the face is a heavy one: its stand-in is drawn bold
};

constexpr std::array<FaceChoice, 2> kFaces = {{
    {kFormFace, "DejaVu Sans Condensed", false},
    {kHeaderFace, "DejaVu Sans", true},
}};

const FaceChoice* choiceFor(std::string_view face) {
    for (const FaceChoice& choice : kFaces)
        if (choice.face == face)
            return &choice;
    return nullptr;
}

} // namespace

QString sheetFamily(std::string_view face) {
    QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    const FaceChoice* choice = choiceFor(face);
    if (!choice || QFontDatabase::hasFamily(family))
        return family;
    return QString::fromLatin1(choice->fallback);
}

QFont sheetFont(std::string_view face, int pixelSize, bool bold) {
    QFont font(sheetFamily(face));
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Any letter spacing turns ligatures off, so "fi" stays two letters that a PDF reader
    // finds and copies as such; this one is a thousandth of a millimetre.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    const FaceChoice* choice = choiceFor(face);
    const bool standIn =
        choice &&
        font.family() != QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (bold || (standIn && choice->heavy))
        font.setWeight(QFont::Bold);
    return font;
}

} // namespace tallar::render
