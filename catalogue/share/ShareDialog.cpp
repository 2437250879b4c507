#include "ShareDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColumnHeadings.h"

namespace kbs {

namespace {

constexpr int kPictureSides[] = {0, 400, 600, 800, 1200};

QListWidget* checkList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(90);
    return list;
}

void addCheckable(QListWidget* list, const QString& text, const QVariant& data, bool checked) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, data);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

ShareDialog::ShareDialog(const std::vector<checklists::List>& lists,
                         const std::vector<ownfields::Field>& own, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ShareDialog"));
    setWindowTitle(tr("Share and Labels"));

    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("listBox"));
    m_list->addItem(tr("Want list"), int(exchange::ShareList::Want));
    m_list->addItem(tr("For sale or trade"), int(exchange::ShareList::Sell));
    m_list->addItem(tr("Missing from checklists"), int(exchange::ShareList::Missing));
    m_list->addItem(tr("Records shown"), int(exchange::ShareList::Shown));
    m_list->addItem(tr("Whole collection"), int(exchange::ShareList::All));
    m_checklists = checkList(QStringLiteral("checklistList"), this);
    m_checklists->setMaximumHeight(100);
    for (const checklists::List& l : lists)
        addCheckable(m_checklists, l.name, qint64(l.id), true);
    m_fields = checkList(QStringLiteral("fieldList"), this);
    const QStringList byDefault = exchange::defaultShareFields();
    for (const exchange::ShareField& f : exchange::shareFields(exchange::columnHeadings(), own))
        addCheckable(m_fields, f.personal ? tr("%1 (private)").arg(f.label) : f.label, f.key,
                     byDefault.contains(f.key));

    m_pictures = new QComboBox(this);
    m_pictures->setObjectName(QStringLiteral("pictureBox"));
    for (const int side : kPictureSides)
        m_pictures->addItem(side == 0 ? tr("Small (list)") : tr("Large, %1 pixels").arg(side),
                            side);
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("titleEdit"));
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("noteEdit"));
    m_note->setTabChangesFocus(true);
    m_note->setMaximumHeight(70);

    m_sheet = new QComboBox(this);
    m_sheet->setObjectName(QStringLiteral("labelSheetBox"));
    for (const LabelLayout& l : labelLayouts())
        m_sheet->addItem(tr("%1: %2 × %3 mm, %4 a sheet (%5)")
                             .arg(QLatin1String(l.name))
                             .arg(l.width, 0, 'g', 4)
                             .arg(l.height, 0, 'g', 4)
                             .arg(l.columns * l.rows)
                             .arg(QPageSize::name(l.paper)));
    m_labelPicture = new QCheckBox(tr("Small &picture on each label"), this);
    m_labelPicture->setObjectName(QStringLiteral("labelPictureCheck"));
    m_labelPicture->setChecked(true);
    m_labelQr = new QCheckBox(tr("&QR code of the record's ID"), this);
    m_labelQr->setObjectName(QStringLiteral("labelQrCheck"));
    m_labelQr->setChecked(true);

    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        return l;
    };
    auto* form = new QFormLayout;
    form->addRow(label(tr("&Records:"), m_list), m_list);
    form->addRow(label(tr("Check&lists:"), m_checklists), m_checklists);
    form->addRow(label(tr("&Fields:"), m_fields), m_fields);

    auto* page = new QGroupBox(tr("Web page"), this);
    auto* pageForm = new QFormLayout(page);
    pageForm->addRow(label(tr("P&ictures:"), m_pictures), m_pictures);
    pageForm->addRow(label(tr("&Title:"), m_title), m_title);
    pageForm->addRow(label(tr("&Note:"), m_note), m_note);
    auto* labels = new QGroupBox(tr("Labels"), this);
    auto* labelForm = new QFormLayout(labels);
    labelForm->addRow(label(tr("&Sheet:"), m_sheet), m_sheet);
    labelForm->addRow(m_labelPicture);
    labelForm->addRow(m_labelQr);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_save = buttons->addButton(tr("Save &web page..."), QDialogButtonBox::ActionRole);
    m_save->setObjectName(QStringLiteral("saveWebPageButton"));
    m_save->setDefault(true);
    m_labels = buttons->addButton(tr("L&abels..."), QDialogButtonBox::ActionRole);
    m_labels->setObjectName(QStringLiteral("labelsButton"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &ShareDialog::webPageRequested);
    connect(m_labels, &QPushButton::clicked, this, &ShareDialog::labelsRequested);
    connect(m_list, &QComboBox::currentIndexChanged, this, &ShareDialog::listChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    row->addWidget(page, 1);
    row->addWidget(labels, 1);
    layout->addLayout(row);
    layout->addWidget(buttons);
    listChosen();
}

void ShareDialog::listChosen() {
    const auto list = exchange::ShareList(m_list->currentData().toInt());
    m_checklists->setEnabled(list == exchange::ShareList::Missing);
}

exchange::ShareOptions ShareDialog::options() const {
    exchange::ShareOptions o;
    o.list = exchange::ShareList(m_list->currentData().toInt());
    for (int i = 0; i < m_fields->count(); ++i) {
        if (m_fields->item(i)->checkState() == Qt::Checked)
            o.fields << m_fields->item(i)->data(Qt::UserRole).toString();
    }
    if (o.fields.isEmpty())  // nothing ticked: the usual fields rather than empty entries
        o.fields = exchange::defaultShareFields();
    for (int i = 0; i < m_checklists->count(); ++i) {
        if (m_checklists->item(i)->checkState() == Qt::Checked)
            o.checklists.push_back(m_checklists->item(i)->data(Qt::UserRole).toLongLong());
    }
    if (o.list == exchange::ShareList::Missing && o.checklists.empty())
        o.checklists.push_back(-1);  // none ticked: no list, rather than every list
    o.pictureSide = m_pictures->currentData().toInt();
    o.title = m_title->text();
    o.note = m_note->toPlainText();
    return o;
}

LabelOptions ShareDialog::labelOptions() const {
    LabelOptions o;
    o.layout = m_sheet->currentIndex();
    o.fields = options().fields;
    o.picture = m_labelPicture->isChecked();
    o.qrCode = m_labelQr->isChecked();
    return o;
}

}  // namespace kbs
