#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "CsvColumns.h"
#include "Headings.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace kbs {

// The CSV import's mapping step: the file's first rows, and for each of its columns the field
// it goes to, "Leave out", or a field of the collector's own named by the column's heading.
// Starts from a proposed mapping (names of exchange::mappableColumns(), empty for leave out);
// OK is refused while a field is chosen for two columns or none is chosen at all.
class ColumnMappingDialog : public QDialog {
    Q_OBJECT
public:
    ColumnMappingDialog(const exchange::CsvPreview& preview, const QStringList& proposed,
                        const exchange::Headings& headings, QWidget* parent = nullptr);

    // For each column of the file: the chosen field's name, or empty.
    QStringList mapping() const;
    // Chooses the field of column `column` by its name (empty: leave out), as a person would.
    void choose(int column, const QString& name);

    void accept() override;

private:
    void check();

    QTableWidget* m_rows = nullptr;
    std::vector<QComboBox*> m_targets;
    QLabel* m_problem = nullptr;
};

}  // namespace kbs
