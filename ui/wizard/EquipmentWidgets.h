#pragma once

#include "wizard/CWizard7.h"

#include <QString>
#include <QStringList>

#include <vector>

class QGroupBox;
class QTreeWidget;
class QWidget;

namespace tallar {
class CIstota;
class CPoz;
} // namespace tallar

namespace tallar::ui {

// A frame with a caption around one widget.
QGroupBox* framed(const QString& caption, QWidget* content, QWidget* parent);
// A flat list with the given column headings.
QTreeWidget* makeList(const QStringList& columns, QWidget* parent);
// Fills a two-column list with the rows of a property text.
void showProperties(QTreeWidget* list, const std::vector<PropertyRow>& rows);
// "Współczynniki istoty": the character's attributes, resistances and antimagic.
QTreeWidget* makeAttributeTree(const CIstota& hero, QWidget* parent);
// Fills a tree with an entry's children (and theirs, opened).
void showEntries(QTreeWidget* tree, const CPoz* entry);

} // namespace tallar::ui
