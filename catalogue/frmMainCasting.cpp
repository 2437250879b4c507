// "Do I already have it?": the records of the same casting listed while a record is added, the
// question before a new record of the very same model is saved, and the duplicates.
#include <QPushButton>
#include <QTimer>

#include "Amounts.h"
#include "AppError.h"
#include "CastingList.h"
#include "Connection.h"
#include "DetailPanel.h"
#include "DuplicatesReport.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "Prompts.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {
constexpr int kId = collection::at("ID");
constexpr int kDescription = collection::at("Description");
constexpr int kQuantity = collection::at("Quantity");
constexpr int kLocation = collection::at("Location");
}  // namespace

// The list lies over the top of the grid; what is typed into a variation field updates it once
// the key's events are done, so a burst of keys (or a cleared panel) costs one update.
void frmMain::buildCastingList() {
    m_castingList = new CastingList(*FG1, FG1->parentWidget());
    m_castingTimer = new QTimer(this);
    m_castingTimer->setSingleShot(true);
    m_castingTimer->setInterval(0);
    connect(m_castingTimer, &QTimer::timeout, this, &frmMain::showCastings);
    for (const int position : CastingIndex::VariationFields) {
        connect(txtTextl[std::size_t(position)]->textbox(), &QLineEdit::textChanged, m_castingTimer,
                [this] {
                    if (bAddingNew)
                        m_castingTimer->start();
                });
    }
}

CastingIndex& frmMain::castings() {
    if (!m_castings)
        m_castings = std::make_unique<CastingIndex>();
    if (rs && !m_castings->follows(*rs))
        m_castings->build(*rs);
    return *m_castings;
}

CastingIndex::Variation frmMain::typedVariation() const {
    CastingIndex::Variation typed;
    for (int i = 0; i < CastingIndex::VariationCount; ++i)
        typed[std::size_t(i)] =
            txtTextl[std::size_t(CastingIndex::VariationFields[std::size_t(i)])]->text().trimmed();
    return typed;
}

void frmMain::showCastings() {
    if (!bAddingNew || !rs || !rs->isOpen()) {
        m_castingList->hide();
        return;
    }
    const CastingIndex::Variation typed = typedVariation();
    CastingIndex& index = castings();
    m_castingList->showMatches(*rs, index, index.sameCasting(typed), typed);
}

// A save, a delete or an undo keeps the index up to date; one not yet made is made when asked.
void frmMain::castingChanged(RowChange change, RecordSet::Slot slot) {
    if (!m_castings || !rs)
        return;
    resumeNext([&] {
        if (change == RowChange::Deleted)
            m_castings->remove(slot);
        else
            m_castings->update(*rs, slot);
    });
}

// Before a new record is saved: when the catalogue holds the very same model, the collector
// chooses to add one to that record's quantity, to save a record of its own, or to go back to
// editing (the default). Nothing typed is lost: only the first answer leaves the typing, and it
// says so before.
frmMain::SameModel frmMain::askAboutSameModel() {
    if (!rs || !rs->isOpen())
        return SameModel::Save;
    const std::vector<RecordSet::Slot> same = castings().sameModel(typedVariation());
    if (same.empty())
        return SameModel::Save;
    const RecordSet::Slot slot = same.front();
    std::string scratch;
    auto text = [&](int position) {
        return QString::fromUtf8(rs->shownUtf8At(slot, position, scratch)).trimmed();
    };
    const QString quantity = text(kQuantity);
    const qint64 id = text(kId).toLongLong();
    const int answer = prompts().msgBox(
        CastingList::sameModelQuestion(quantity, text(kLocation), text(kDescription), id,
                                       int(same.size()) - 1),
        mb::YesNoCancel | mb::Question | mb::DefaultButton3, CastingList::sameModelTitle());
    if (answer == mb::No)
        return SameModel::SaveAnyway;
    if (answer != mb::Yes)
        return SameModel::BackToEditing;

    // One more piece of that record. An empty quantity stands for the one piece the record is.
    const QByteArray typedQuantity = quantity.toUtf8();
    const amounts::Reading held = amounts::readQuantity(typedQuantity.toStdString());
    if (held.kind == amounts::Reading::Kind::Unreadable) {
        prompts().msgBox(CastingList::notWholeQuantity(quantity), mb::OKOnly | mb::Exclamation,
                         CastingList::sameModelTitle());
        return SameModel::BackToEditing;
    }
    const std::int64_t pieces = held.kind == amounts::Reading::Kind::None ? 1 : held.number;
    {
        const ShownRecordGuard keep(*this, *rs);
        try {
            rs->setBookmark(id);
            rs->setValue(kQuantity, QString::number(pieces + 1));
            rs->update();
        } catch (const std::exception& e) {
            rs->cancelUpdate();
            prompts().msgBox(mainText::SaveFailed.arg(QString::fromUtf8(e.what())),
                             mb::OKOnly | mb::Critical, mainText::AppTitle);
            return SameModel::BackToEditing;
        }
        m_shown = id;  // the panel shows that record from now on
    }
    bAddingNew = false;
    resumeNext([&] { Update_Display(); });
    resumeNext([&] { showRowChange(RowChange::Changed, slot); });
    resumeNext([&] { Lock_Display(true); });
    cmdSave->hide();
    cmdCancel->hide();
    cmdSelect->hide();
    setModeButtonsEnabled(true);
    FG1->setFocus();
    return SameModel::AddedOne;
}

// After a new record of a casting already held is saved, the status bar names the casting.
QString frmMain::variationNote() {
    if (!rs || !rs->isOpen())
        return {};
    const std::vector<RecordSet::Slot> same = castings().sameCasting(typedVariation());
    if (same.empty())
        return {};
    std::string scratch;
    const QString description =
        QString::fromUtf8(rs->shownUtf8At(same.front(), kDescription, scratch)).trimmed();
    return CastingList::newVariationText(description);
}

std::shared_ptr<const std::vector<char>> frmMain::duplicateMarks() {
    auto marks = std::make_shared<std::vector<char>>();
    if (!rs || !rs->isOpen())
        return marks;
    for (const RecordSet::Slot s : castings().duplicates(*rs)) {
        if (s >= marks->size())
            marks->resize(std::size_t(s) + 1, 0);
        (*marks)[s] = 1;
    }
    return marks;
}

// The Duplicates report, from the record set's texts.
void frmMain::fillDuplicates(DuplicatesReport& report) {
    DuplicatesReport::Records records;
    if (rs && rs->isOpen()) {
        std::vector<int> models;
        const std::vector<RecordSet::Slot> found = castings().duplicates(*rs, &models);
        records.reserve(found.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            records.add(*rs, found[i], models[i]);
    }
    report.open(m_session.isOpen() ? m_session.connection().dataSource() : QString(),
                std::move(records));
}

std::vector<std::int64_t> frmMain::duplicateIds() {
    std::vector<std::int64_t> ids;
    if (!rs || !rs->isOpen())
        return ids;
    std::string scratch;
    for (const RecordSet::Slot s : castings().duplicates(*rs))
        ids.push_back(
            QByteArray::fromStdString(std::string(rs->shownUtf8At(s, kId, scratch))).toLongLong());
    return ids;
}

}  // namespace kbs
