// "Do I already have it?": the records of the same casting listed while a record is added, the
// question before a new record of the very same model is saved, and the duplicates.
#include "CastingCommands.h"

#include <QLineEdit>
#include <QTimer>

#include "Amounts.h"
#include "CastingList.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "Prompts.h"
#include "ResumeNext.h"

namespace kbs {

namespace {
constexpr int kId = collection::at("ID");
constexpr int kDescription = collection::at("Description");
constexpr int kQuantity = collection::at("Quantity");
constexpr int kLocation = collection::at("Location");
}  // namespace

// The list lies over the top of the grid; what is typed into a variation field updates it once
// the key's events are done, so a burst of keys (or a cleared panel) costs one update.
CastingCommands::CastingCommands(QObject* parent, FlexGrid& grid, const Boxes& boxes,
                                 std::function<RecordSet*()> records, std::function<bool()> adding)
    : QObject(parent),
      m_boxes(boxes),
      m_records(std::move(records)),
      m_adding(std::move(adding)),
      m_list(new CastingList(grid, grid.parentWidget())),
      m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &CastingCommands::show);
    for (const int position : CastingIndex::VariationFields) {
        connect(m_boxes[std::size_t(position)]->textbox(), &QLineEdit::textChanged, m_timer,
                [this] {
                    if (m_adding())
                        m_timer->start();
                });
    }
}

RecordSet* CastingCommands::openRecords() const {
    RecordSet* rs = m_records();
    return rs && rs->isOpen() ? rs : nullptr;
}

CastingIndex& CastingCommands::castings() {
    if (!m_castings)
        m_castings = std::make_unique<CastingIndex>();
    if (RecordSet* rs = m_records(); rs && !m_castings->follows(*rs))
        m_castings->build(*rs);
    return *m_castings;
}

CastingIndex::Variation CastingCommands::typedVariation() const {
    CastingIndex::Variation typed;
    for (int i = 0; i < CastingIndex::VariationCount; ++i)
        typed[std::size_t(i)] =
            m_boxes[std::size_t(CastingIndex::VariationFields[std::size_t(i)])]->text().trimmed();
    return typed;
}

void CastingCommands::show() {
    RecordSet* rs = openRecords();
    if (!m_adding() || !rs) {
        m_list->hide();
        return;
    }
    const CastingIndex::Variation typed = typedVariation();
    CastingIndex& index = castings();
    m_list->showMatches(*rs, index, index.sameCasting(typed), typed);
}

void CastingCommands::hide() {
    m_list->hide();
}

void CastingCommands::forget() {
    m_castings.reset();
}

void CastingCommands::rowChanged(bool deleted, RecordSet::Slot slot) {
    RecordSet* rs = m_records();
    if (!m_castings || !rs)
        return;
    resumeNext([&] {
        if (deleted)
            m_castings->remove(slot);
        else
            m_castings->update(*rs, slot);
    });
}

// When the catalogue holds the very same model, the collector chooses to add one to that
// record's quantity, to save a record of its own, or to go back to editing (the default).
// Nothing typed is lost: only the first answer leaves the typing, and the question says so.
CastingCommands::SameModel CastingCommands::askAboutSameModel() {
    RecordSet* rs = openRecords();
    if (!rs)
        return {};
    const std::vector<RecordSet::Slot> same = castings().sameModel(typedVariation());
    if (same.empty())
        return {};
    SameModel answer;
    answer.slot = same.front();
    std::string scratch;
    auto text = [&](int position) {
        return QString::fromUtf8(rs->shownUtf8At(answer.slot, position, scratch)).trimmed();
    };
    const QString quantity = text(kQuantity);
    answer.id = text(kId).toLongLong();
    const int asked = prompts().msgBox(
        CastingList::sameModelQuestion(quantity, text(kLocation), text(kDescription), answer.id,
                                       int(same.size()) - 1),
        mb::YesNoCancel | mb::Question | mb::DefaultButton3, CastingList::sameModelTitle());
    answer.kind = asked == mb::No    ? SameModel::SaveAnyway
                  : asked == mb::Yes ? SameModel::AddOne
                                     : SameModel::BackToEditing;
    if (answer.kind != SameModel::AddOne)
        return answer;

    // One more piece of that record. An empty quantity stands for the one piece the record is.
    const amounts::Reading held = amounts::readQuantity(quantity.toUtf8().toStdString());
    if (held.kind == amounts::Reading::Kind::Unreadable) {
        prompts().msgBox(CastingList::notWholeQuantity(quantity), mb::OKOnly | mb::Exclamation,
                         CastingList::sameModelTitle());
        answer.kind = SameModel::BackToEditing;
        return answer;
    }
    const std::int64_t pieces = held.kind == amounts::Reading::Kind::None ? 1 : held.number;
    answer.quantity = QString::number(pieces + 1);
    return answer;
}

// After a new record of a casting already held is saved, the status bar names the casting.
QString CastingCommands::variationNote() {
    RecordSet* rs = openRecords();
    if (!rs)
        return {};
    const std::vector<RecordSet::Slot> same = castings().sameCasting(typedVariation());
    if (same.empty())
        return {};
    std::string scratch;
    const QString description =
        QString::fromUtf8(rs->shownUtf8At(same.front(), kDescription, scratch)).trimmed();
    return CastingList::newVariationText(description);
}

std::shared_ptr<const std::vector<char>> CastingCommands::duplicateMarks() {
    auto marks = std::make_shared<std::vector<char>>();
    RecordSet* rs = openRecords();
    if (!rs)
        return marks;
    for (const RecordSet::Slot s : castings().duplicates(*rs)) {
        if (s >= marks->size())
            marks->resize(std::size_t(s) + 1, 0);
        (*marks)[s] = 1;
    }
    return marks;
}

std::vector<std::int64_t> CastingCommands::duplicateIds() {
    std::vector<std::int64_t> ids;
    RecordSet* rs = openRecords();
    if (!rs)
        return ids;
    std::string scratch;
    for (const RecordSet::Slot s : castings().duplicates(*rs))
        ids.push_back(
            QByteArray::fromStdString(std::string(rs->shownUtf8At(s, kId, scratch))).toLongLong());
    return ids;
}

}  // namespace kbs
