#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

#include "ValueHistory.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kbs {

class CatalogueSession;

// The valuations of a record drawn as a line over time: the dates it can read on the
// horizontal axis, the amounts on the vertical one. Painted here: a small chart needs no
// charting library.
class ValueChart : public QWidget {
    Q_OBJECT
public:
    explicit ValueChart(QWidget* parent = nullptr);
    void setEntries(const std::vector<values::Entry>& entries);
    int points() const { return int(m_points.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::pair<qint64, double>> m_points;  // (Julian day, amount), by date
};

// A record's value history: its valuations by date with value and note, a small chart of them,
// and adding, changing and deleting of entries. The latest entry is the record's Value and
// Value_Date: changing it changes them, and deleting it makes the one before it the record's
// value. A deleted entry can be brought back with Undo until the window closes.
class ValueHistoryDialog : public QDialog {
    Q_OBJECT
public:
    ValueHistoryDialog(CatalogueSession& session, qint64 recordId, const QString& description,
                       QWidget* parent = nullptr);

    // Whether an entry was added, changed, deleted or brought back (the record's Value may be
    // another now).
    bool changed() const { return m_changed; }

    // The commands, as their buttons give them.
    void addEntry();
    void changeEntry();
    void deleteEntry();
    void undoDelete();

private:
    void reload(qint64 select = 0);
    void entryChosen();
    // The fields as an entry, with the date written as the history keeps it; false, after
    // saying why, when the date or the value cannot be read.
    bool fromFields(values::Entry& entry);
    template <typename F>
    bool store(F&& write);  // says what went wrong

    CatalogueSession& m_session;
    qint64 m_record;
    std::vector<values::Entry> m_entries;
    std::vector<values::Entry> m_deleted;  // the latest last
    bool m_changed = false;

    QTableWidget* lstValues = nullptr;
    ValueChart* chtValues = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtValue = nullptr;
    QLineEdit* txtNote = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace kbs
