// The collector's own fields and the tags, in the panel's part of their own.
#include "OwnFieldsPart.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "AppError.h"
#include "CatalogueSession.h"
#include "ProgramInfo.h"
#include "Settings.h"
#include "TagEdit.h"
#include "ValueListFile.h"

namespace kbs {

namespace {

using ownfields::Kind;

constexpr int kPairsPerRow = 3;  // label and editor pairs side by side
const QString kSection = QStringLiteral("Window");
const QString kOpenKey = QStringLiteral("OwnFieldsOpen");

bool sameFields(const std::vector<ownfields::Field>& a, const std::vector<ownfields::Field>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.id == y.id && x.name == y.name && x.kind == y.kind && x.valueList == y.valueList;
    });
}

// The values of a choice field's list, as its pick menu would offer them.
QStringList listValues(const QString& list) {
    if (list.isEmpty())
        return {};
    try {
        return valuelist::read(ProgramInfo::path(list + QStringLiteral(".ini"))).values;
    } catch (const AppError&) {
        return {};  // no list (yet): the field takes what is typed
    }
}

}  // namespace

OwnFieldsPart::OwnFieldsPart(CatalogueSession& session, QWidget& tabAfter, QWidget* parent)
    : QWidget(parent), m_session(session), m_tabAfter(tabAfter) {
    setObjectName(QStringLiteral("OwnFields"));
    m_toggle = new QToolButton(this);
    m_toggle->setObjectName(QStringLiteral("cmdOwnFields"));
    m_toggle->setText(tr("Your fields and tags"));
    m_toggle->setCheckable(true);
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setAutoRaise(true);
    m_toggle->setFocusPolicy(Qt::StrongFocus);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblOwnSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setAccessibleName(tr("Your fields in short"));
    m_body = new QWidget(this);
    m_grid = new QGridLayout(m_body);
    m_grid->setContentsMargins(6, 0, 6, 4);
    m_grid->setVerticalSpacing(2);
    m_tags = new TagEdit(m_body);
    m_tags->setObjectName(QStringLiteral("txtTags"));
    m_tags->setAccessibleName(tr("Tags"));
    m_tags->setAccessibleDescription(tr("Short tags, separated by commas"));
    m_tags->setPlaceholderText(tr("chase, error, carded"));
    m_tagsLabel = new QLabel(tr("&Tags:"), m_body);
    m_tagsLabel->setObjectName(QStringLiteral("lblTags"));
    m_tagsLabel->setBuddy(m_tags);

    auto* head = new QHBoxLayout;
    head->setContentsMargins(0, 0, 0, 0);
    head->addWidget(m_toggle, 0, Qt::AlignLeft);
    head->addWidget(m_summary, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(head);
    column->addWidget(m_body);

    connect(m_toggle, &QToolButton::toggled, this, [this](bool open) {
        Settings::save(kSection, kOpenKey, open ? QStringLiteral("1") : QStringLiteral("0"));
        setOpen(open);
    });
    const bool open = Settings::get(kSection, kOpenKey, QStringLiteral("0")) == QLatin1String("1");
    m_toggle->setChecked(open);
    setOpen(open);
    build();
    lockPart(true);
}

bool OwnFieldsPart::isOpen() const {
    return m_toggle->isChecked();
}

void OwnFieldsPart::setOpen(bool open) {
    const int before = wantedHeight();
    m_toggle->setChecked(open);
    m_toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    m_toggle->setAccessibleDescription(open ? tr("Open: the editors follow")
                                            : tr("Closed: press to edit your fields and tags"));
    m_body->setVisible(open);
    m_summary->setVisible(!open);
    if (wantedHeight() != before || height() != wantedHeight())
        Q_EMIT heightChanged();
}

int OwnFieldsPart::wantedHeight() const {
    const int head = std::max(m_toggle->sizeHint().height(), m_summary->sizeHint().height());
    return head + (isOpen() ? m_body->sizeHint().height() : 0);
}

QRect OwnFieldsPart::placeIn(const QRect& area) {
    const int h = std::min(wantedHeight(), std::max(0, area.height() / 2));
    setGeometry(area.left(), area.top(), area.width(), h);
    QRect rest = area;
    rest.setTop(area.top() + h);
    return rest;
}

QWidget* OwnFieldsPart::editor(std::int64_t fieldId) const {
    for (const Editor& e : m_editors) {
        if (e.field.id == fieldId)
            return e.widget;
    }
    return nullptr;
}

// ---------------------------------------------------------------- the editors

void OwnFieldsPart::syncFields() {
    std::vector<ownfields::Field> fields;
    if (m_session.isOpen())
        fields = m_session.ownFields();
    std::vector<ownfields::Field> have;
    for (const Editor& e : m_editors)
        have.push_back(e.field);
    if (m_synced && sameFields(fields, have))
        return;
    m_synced = true;
    for (Editor& e : m_editors) {
        delete e.label;
        delete e.widget;
    }
    m_editors.clear();
    for (const ownfields::Field& f : fields)
        m_editors.push_back({f, nullptr, nullptr});
    build();
    lockPart(m_locked);
    Q_EMIT fieldsSynced(fields);
    Q_EMIT heightChanged();
}

// A label and an editor for each field, by kind; the tags last, across the whole width.
void OwnFieldsPart::build() {
    int n = 0;
    QWidget* previous = m_toggle;
    setTabOrder(&m_tabAfter, m_toggle);
    for (Editor& e : m_editors) {
        const ownfields::Field& f = e.field;
        QWidget* w = nullptr;
        if (f.kind == Kind::YesNo || f.kind == Kind::Choice) {
            auto* box = new QComboBox(m_body);
            if (f.kind == Kind::YesNo) {
                box->addItems({QString(), ownfields::display(f, QStringLiteral("1")),
                               ownfields::display(f, QStringLiteral("0"))});
            } else {
                box->setEditable(true);
                box->addItems(listValues(f.valueList));
                box->setCurrentIndex(-1);
            }
            w = box;
        } else {
            auto* line = new QLineEdit(m_body);
            if (f.kind == Kind::Date)
                line->setPlaceholderText(tr("yyyy-mm-dd"));
            w = line;
        }
        w->setObjectName(QStringLiteral("ownField_%1").arg(f.id));
        w->setAccessibleName(f.name);
        w->setAccessibleDescription(ownfields::kindName(f.kind));
        w->setToolTip(ownfields::kindName(f.kind));
        e.widget = w;
        // The name as written: no markup read, an "&" no shortcut.
        e.label = new QLabel(
            QString(f.name).replace(QLatin1Char('&'), QLatin1String("&&")) + QLatin1Char(':'),
            m_body);
        e.label->setTextFormat(Qt::PlainText);
        e.label->setObjectName(QStringLiteral("lblOwnField_%1").arg(f.id));
        e.label->setBuddy(w);
        const int row = n / kPairsPerRow;
        const int col = (n % kPairsPerRow) * 2;
        m_grid->addWidget(e.label, row, col);
        m_grid->addWidget(w, row, col + 1);
        setTabOrder(previous, w);
        previous = w;
        ++n;
    }
    const int tagsRow = (n + kPairsPerRow - 1) / kPairsPerRow;
    m_grid->addWidget(m_tagsLabel, tagsRow, 0);
    m_grid->addWidget(m_tags, tagsRow, 1, 1, kPairsPerRow * 2 - 1);
    for (int c = 1; c < kPairsPerRow * 2; c += 2)
        m_grid->setColumnStretch(c, 1);
    setTabOrder(previous, m_tags);
}

QString OwnFieldsPart::textOf(const Editor& e) {
    if (auto* box = qobject_cast<QComboBox*>(e.widget)) {
        if (e.field.kind == Kind::YesNo)
            return box->currentIndex() == 1   ? QStringLiteral("1")
                   : box->currentIndex() == 2 ? QStringLiteral("0")
                                              : QString();
        return box->currentText();
    }
    return static_cast<QLineEdit*>(e.widget)->text();
}

void OwnFieldsPart::setTextOf(const Editor& e, const QString& stored) {
    if (auto* box = qobject_cast<QComboBox*>(e.widget)) {
        if (e.field.kind == Kind::YesNo)
            box->setCurrentIndex(stored == QLatin1String("1")   ? 1
                                 : stored == QLatin1String("0") ? 2
                                                                : 0);
        else
            box->setCurrentText(stored);
        return;
    }
    static_cast<QLineEdit*>(e.widget)->setText(stored);
}

// ---------------------------------------------------------------- with the panel

void OwnFieldsPart::clearPart() {
    syncFields();
    for (const Editor& e : m_editors)
        setTextOf(e, QString());
    m_tags->clear();
    showSummary();
}

void OwnFieldsPart::showRecord(std::int64_t recordId) {
    syncFields();
    for (const Editor& e : m_editors)
        setTextOf(e, QString());
    for (const ownfields::Value& v : m_session.ownValues(recordId)) {
        for (const Editor& e : m_editors) {
            if (e.field.id == v.fieldId)
                setTextOf(e, v.text);
        }
    }
    m_tags->setTags(m_session.tags(recordId));
    showSummary();
}

void OwnFieldsPart::lockPart(bool locked) {
    m_locked = locked;
    for (const Editor& e : m_editors) {
        if (auto* line = qobject_cast<QLineEdit*>(e.widget))
            line->setReadOnly(locked);
        else
            e.widget->setEnabled(!locked);
    }
    m_tags->setReadOnly(locked);
    if (!locked && m_session.isOpen()) {
        // The tags in use, for the completion while the record is edited.
        QStringList known;
        for (const auto& [tag, records] : m_session.tagsInUse())
            known << tag;
        m_tags->setKnownTags(known);
    }
}

void OwnFieldsPart::keepForSave() {
    std::vector<ownfields::Value> values;
    for (const Editor& e : m_editors)
        values.push_back({e.field.id, textOf(e)});
    m_session.keepOwnValuesWithNextSave(values, m_tags->tags());
}

// While the part is closed its line shows the values in short.
void OwnFieldsPart::showSummary() {
    QStringList parts;
    for (const Editor& e : m_editors) {
        const QString shown = ownfields::display(e.field, textOf(e).trimmed());
        if (!shown.isEmpty())
            parts << e.field.name + QStringLiteral(": ") + shown;
    }
    const QStringList tags = m_tags->tags();
    if (!tags.isEmpty())
        parts << tr("Tags: %1").arg(TagEdit::joined(tags));
    m_summary->setText(parts.join(QStringLiteral("  ·  ")));
}

}  // namespace kbs
