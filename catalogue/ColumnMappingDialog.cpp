#include "ColumnMappingDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Collection.h"
#include "OwnCsv.h"

namespace kbs {

namespace {

// What the person sees for a target: its heading for a column, a description for the
// picture columns.
QString shownTarget(const QString& name, const exchange::Headings& headings) {
    const int position = collection::positionOf(name);
    if (position >= 0)
        return headings.heading(position);
    if (name == QLatin1String(exchange::PictureFileColumn))
        return ColumnMappingDialog::tr("Picture file");
    if (name == QLatin1String(exchange::MorePicturesColumn))
        return ColumnMappingDialog::tr("Further picture files");
    if (name == QLatin1String(exchange::MoreLinksColumn))
        return ColumnMappingDialog::tr("Further linked pictures");
    if (name == QLatin1String(exchange::TagsColumn))
        return ColumnMappingDialog::tr("Tags");
    if (name == QLatin1String(exchange::OwnFieldChoice))
        return ColumnMappingDialog::tr("A field of its own, named by the heading");
    return ColumnMappingDialog::tr("Further pictures' captions");
}

}  // namespace

ColumnMappingDialog::ColumnMappingDialog(const exchange::CsvPreview& preview,
                                         const QStringList& proposed,
                                         const exchange::Headings& headings, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ColumnMappingDialog"));
    setWindowTitle(tr("Import a CSV file"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("Choose the field each column of the file goes to. The file's first rows:"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_rows = new QTableWidget(int(preview.rows.size()), int(preview.headings.size()), this);
    m_rows->setObjectName(QStringLiteral("tblRows"));
    m_rows->setAccessibleName(tr("The file's first rows"));
    m_rows->setHorizontalHeaderLabels(preview.headings);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setTabKeyNavigation(false);
    for (int r = 0; r < int(preview.rows.size()); ++r) {
        const QStringList& row = preview.rows[size_t(r)];
        for (int c = 0; c < row.size() && c < m_rows->columnCount(); ++c)
            m_rows->setItem(r, c, new QTableWidgetItem(row[c].left(200)));
    }
    m_rows->resizeColumnsToContents();
    intro->setBuddy(m_rows);
    layout->addWidget(m_rows, 1);

    auto* form = new QWidget(this);
    auto* fields = new QFormLayout(form);
    const QStringList names = exchange::mappableColumns();
    for (int c = 0; c < preview.headings.size(); ++c) {
        auto* target = new QComboBox(form);
        target->setObjectName(QStringLiteral("cboTarget%1").arg(c));
        target->addItem(tr("Leave out"), QString());
        for (const QString& name : names)
            target->addItem(shownTarget(name, headings), name);
        target->setCurrentIndex(std::max(0, target->findData(proposed.value(c))));
        connect(target, &QComboBox::currentIndexChanged, this, &ColumnMappingDialog::check);
        const QString heading =
            preview.headings[c].isEmpty() ? tr("Column %1").arg(c + 1) : preview.headings[c];
        auto* label = new QLabel(form);
        label->setTextFormat(Qt::PlainText);
        label->setText(heading.left(80));
        label->setBuddy(target);
        target->setAccessibleName(tr("Field for the column %1").arg(heading.left(80)));
        fields->addRow(label, target);
        m_targets.push_back(target);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(form);
    layout->addWidget(scroll, 1);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnMappingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ColumnMappingDialog::reject);
    layout->addWidget(buttons);
    resize(640, 480);
    check();
}

QStringList ColumnMappingDialog::mapping() const {
    QStringList out;
    for (const QComboBox* target : m_targets)
        out << target->currentData().toString();
    return out;
}

void ColumnMappingDialog::choose(int column, const QString& name) {
    QComboBox* target = m_targets.at(size_t(column));
    target->setCurrentIndex(std::max(0, target->findData(name)));
}

void ColumnMappingDialog::check() {
    const QStringList chosen = mapping();
    QString problem;
    for (int c = 0; c < chosen.size() && problem.isEmpty(); ++c) {
        if (!chosen[c].isEmpty() && chosen[c] != QLatin1String(exchange::OwnFieldChoice) &&
            chosen.indexOf(chosen[c]) != c)
            problem = tr("%1 is chosen for more than one column.")
                          .arg(m_targets[size_t(c)]->currentText());
    }
    if (problem.isEmpty() && chosen.count(QString()) == chosen.size())
        problem = tr("Choose a field for at least one column.");
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

void ColumnMappingDialog::accept() {
    check();
    if (m_problem->isHidden())
        QDialog::accept();
}

}  // namespace kbs
