#pragma once

#include "output/CKartaBohatera.h"

#include <QDialog>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace tallar {
class CIstota;
}

namespace tallar::ui {

// The print preview of a character's sheet, captioned "Podglad wydruku": Qt's preview of
// both pages, with printing through the platform's print dialog and saving as PDF or as
// PNG images. The character must outlive the window.
class SheetPreviewDialog : public QDialog {
    Q_OBJECT
public:
    SheetPreviewDialog(const CIstota& character, QWidget* parent = nullptr);
    ~SheetPreviewDialog() override;

    QPrintPreviewWidget* preview() const { return preview_; }
    QPrinter& printer() { return *printer_; }

    // Prints through the print dialog; false when it was cancelled.
    bool print();
    // Saves the sheet; true when written. The file names are shown in the status line and
    // a failure is reported in a message box.
    bool savePdf(const QString& path);
    bool savePng(const QString& path, int dpi);

private:
    void askAndSavePdf();
    void askAndSavePng();
    QString suggestedName(const QString& extension) const;

    CKartaBohatera sheet_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_;
    QLabel* status_;
};

// Opens the sheet's print preview, maximised, over `parent` and returns when it is closed.
// The character's totals are recalculated first (they are not stored), so that the sheet
// shows a character just loaded as well as one just changed.
void showSheetPreview(CIstota& character, QWidget* parent);

} // namespace tallar::ui
