#pragma once

#include "ui/editors/CLista.h"

namespace tallar {
class Workspace;
}

namespace tallar::ui {

// The list of stored characters ("Lista bohaterów"): "Dodaj" runs the creation wizard,
// "Edycja" shows the character, "Usuń" deletes it at once; the context menu imports
// characters from a character file.
class CListaIstot : public CLista {
    Q_OBJECT
public:
    CListaIstot(QWidget* parent, Workspace& workspace);

    // "Import z pliku": the open-file dialog, the import of the chosen file, a refresh
    // whatever happened. Tests hand the path instead of the dialog (empty: cancelled).
    void importFromFile();
    void importPath(const QString& path);

protected:
    void Add(const std::string& id) override;
    void Edit(const std::string& id) override;
    void Delete(const std::string& id) override;
    Status removalPreview(const std::string& id, editors::DeletePreview& preview) override;
    void contextHook(const QPoint& point) override;

private:
    Workspace& workspace_;
};

} // namespace tallar::ui
