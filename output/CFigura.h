#pragma once

#include "model/Queue.h"

#include <memory>
#include <string>
#include <vector>

namespace tallar {

// What a figure draws. Coordinates are in tenths of a millimetre, y growing downwards,
// relative to the parent figure's (x1, y1).
enum class FigureKind : int {
    MoveTo = 1,    // move the pen to (x1, y1); also a frameless group of children
    LineTo = 2,    // a line from the pen to (x1, y1)
    Rectangle = 3, // (x1, y1) – (x2, y2)
    Ellipse = 4,   // in the box (x1, y1) – (x2, y2)
    TextLeft = 5,  // the text in the box (x1, y1) – (x2, y2), vertically centred
    TextCentre = 6,
    TextRight = 7,
    HorizontalLines = 8, // lines across the width x2, spaced y1 apart, above y2
    Rows = 9,            // `count` lines from (x1, y1), each x2 long, spaced y2 apart
    VerticalLines = 10,  // lines down to y2, spaced x1 apart, left of x2
    Columns = 11,        // `count` lines from (x1, y1), each y2 high, spaced x2 apart
    ListLeft = 12,       // texts from `start`, one per line of height y2 from (x1, y1),
    ListCentre = 13,     // each in a box x2 wide; at most `count` lines (0: all)
    ListRight = 14,
};

inline bool isTextKind(FigureKind kind) {
    return kind >= FigureKind::TextLeft && kind <= FigureKind::TextRight;
}
inline bool isListKind(FigureKind kind) {
    return kind >= FigureKind::ListLeft && kind <= FigureKind::ListRight;
}

// The two faces of the sheet: the form's and the header's.
inline constexpr const char* kFormFace = "Tahoma";
inline constexpr const char* kHeaderFace = "Arial Black";

// A drawing figure of the character sheet: what to draw, where, and its child figures,
// which are placed relative to it and drawn after it in order.
class CFigura : public CKolejka<CFigura>, public CPozycja<CFigura> {
public:
    CFigura(FigureKind figureKind, int left, int top, int right = 0, int bottom = 0)
        : kind(figureKind), x1(left), y1(top), x2(right), y2(bottom) {}

    FigureKind kind;
    int x1, y1, x2, y2;
    int fontSize = 0;  // the font's height in tenths of a millimetre; 0: no text is drawn
    bool bold = false; // the bold cut of the face
    std::string text;  // of a text figure
    std::string face;  // the font face of a text or list figure
    std::vector<std::string> texts; // of a list figure
    int count = 0;                  // lines of a rows, columns or list figure
    int start = 0;                  // the first text a list figure draws

    // Appends a child figure and returns it.
    CFigura& add(std::unique_ptr<CFigura> child) { return *Append(std::move(child)); }
    CFigura& add(FigureKind childKind, int cx1, int cy1, int cx2 = 0, int cy2 = 0) {
        return add(std::make_unique<CFigura>(childKind, cx1, cy1, cx2, cy2));
    }
    // Appends a text figure in the box (cx1, cy1) – (cx2, cy2).
    CFigura& addText(FigureKind childKind, int cx1, int cy1, int cx2, int cy2, std::string text,
                     int size, const char* face = kFormFace, bool isBold = false);
};

// Visits a figure tree in drawing order: each figure before its children, with the
// absolute position of its parent's origin. The path is kept in a list, not on the stack.
template <class Visit> void WalkFigures(const CFigura& root, Visit&& visit) {
    struct Level {
        CKolejka<CFigura>::const_iterator next, end;
        int originX, originY;
    };
    visit(root, 0, 0);
    std::vector<Level> path;
    path.push_back({root.begin(), root.end(), root.x1, root.y1});
    while (!path.empty()) {
        Level& level = path.back();
        if (level.next == level.end) {
            path.pop_back();
            continue;
        }
        const CFigura& figure = **level.next++;
        visit(figure, level.originX, level.originY);
        if (!figure.empty())
            path.push_back({figure.begin(), figure.end(), level.originX + figure.x1,
                            level.originY + figure.y1});
    }
}

} // namespace tallar
