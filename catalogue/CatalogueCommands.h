#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "CsvColumns.h"

class QAction;
class QMenu;
class QWidget;

namespace kbs {

class frmMain;

// The catalogue as a file: New, Open, Open recent, Import (a CSV file, a Tellico collection,
// a catalogue of the older Windows program) into the open catalogue or a new one, the undo of
// the last import, and Export (CSV, .xlsx, Tellico). Its entries go into a menu of the window;
// every question goes through prompts() and fileDialogs().
class CatalogueCommands : public QObject {
    Q_OBJECT
public:
    enum class Source { Csv, Tellico, OldCatalogue };
    enum class Format { Csv, Xlsx, Tellico };

    CatalogueCommands(frmMain& window, QMenu& menu);

    void newCatalogue();
    void openCatalogue();
    // Shows the catalogue at path in the window; on failure says why and goes back to the one
    // shown before. Returns whether it opened.
    bool open(const QString& path);
    void importFile(Source source);
    void exportFile(Format format);
    // Takes the records of the last import into the open catalogue out again, in one step.
    void undoImport();

    QMenu* recentMenu() const { return m_recent; }
    QAction* undoImportAction() const { return m_undoImport; }

private:
    bool ready(const QString& title) const;
    void fillRecent();
    QString chooseFile(bool save, const QString& title, const QString& filter,
                       const QString& suggested) const;
    bool reopen(const QString& path, QString& why);
    // Builds a new catalogue at target from the source and says what it holds in summary;
    // false, with why empty when the collector cancelled, when it did not.
    bool build(Source source, const QString& path, const QString& target, QString& why,
               QString& summary);

    frmMain& m_window;
    QMenu* m_recent = nullptr;
    QAction* m_undoImport = nullptr;
    struct Imported {
        QString catalogue;
        QString from;
        std::vector<qint64> ids;
    };
    std::optional<Imported> m_lastImport;
};

}  // namespace kbs
