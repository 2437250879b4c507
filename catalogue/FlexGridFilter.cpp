// The grid's filter: which records the rows show, found in slices between events.
#include <algorithm>

#include "FlexGrid.h"

namespace kbs {

namespace {
// Records looked at between two looks at the clock: few, as a record may cost a filter of
// many words.
constexpr std::size_t kBetweenClockLooks = 16;
}  // namespace

void FlexGridModel::pin(Slot slot) {
    if (!isFiltered() || slot == kBlank)
        return;
    if (std::find(m_pinned.begin(), m_pinned.end(), slot) == m_pinned.end())
        m_pinned.push_back(slot);
    if (slot >= m_let.size())
        m_let.resize(size_t(slot) + 1, 0);
    m_let[slot] = 1;
}

void FlexGridModel::setFilter(const RecordFilter& filter) {
    narrow(filter, m_group);
}

void FlexGridModel::setGroup(const GroupChoice& group) {
    narrow(m_filter, group);
}

// The filter and the group in one pass over the records.
void FlexGridModel::narrow(const RecordFilter& filter, const GroupChoice& group) {
    m_slices.stop();
    if (m_longs)
        m_longs->search({}, {});  // what the filter before asked is no longer wanted
    m_pass.waiting.clear();
    m_pass.asked.clear();
    m_pinned.clear();
    m_filter = filter;
    m_group = group;
    if (!isFiltered()) {
        m_pass = Pass();
        m_let.clear();
        m_applied = RecordFilter();
        m_appliedGroup = GroupChoice();
        m_appliedExact = true;
        beginResetModel();
        m_rows = m_order;
        endResetModel();
        Q_EMIT filterApplied();
        return;
    }
    // A filter that lets through no more than the one the rows show looks at those rows only.
    const bool narrowing =
        m_appliedExact && filter.narrows(m_applied) && group.narrows(m_appliedGroup);
    m_pass.candidates = narrowing ? m_rows : m_order;
    Slot top = 0;
    for (Slot s : m_order) {
        if (s != kBlank)
            top = std::max(top, s);
    }
    m_found.assign(size_t(top) + 1, 0);
    m_pass.next = 0;
    m_pass.shownFirst = false;
    m_pass.changesAtStart = m_changes;
    m_pass.running = true;
    runSlice();
}

void FlexGridModel::runSlice() {
    if (!m_pass.running)
        return;
    QElapsedTimer clock;
    clock.start();
    const std::vector<Slot>& candidates = m_pass.candidates;
    while (m_pass.next < candidates.size()) {
        const std::size_t stop = std::min(candidates.size(), m_pass.next + kBetweenClockLooks);
        for (; m_pass.next < stop; ++m_pass.next) {
            const Slot s = candidates[m_pass.next];
            if (s == kBlank || !m_source)
                continue;
            RecordFilter::Verdict v = RecordFilter::Verdict::Yes;
            std::vector<int> unread;
            try {
                if (!m_longs) {
                    m_longs = new LongTextSearch(this);
                    connect(m_longs, &LongTextSearch::answered, this, &FlexGridModel::longAnswered);
                }
                v = m_group.matches(*m_source, s) ? m_filter.judge(*m_source, s, *m_longs, &unread)
                                                  : RecordFilter::Verdict::No;
            } catch (const std::exception&) {
                // A value that could not be read: the record is shown, not hidden.
            }
            if (v == RecordFilter::Verdict::Yes)
                m_found[s] = 1;
            if (v != RecordFilter::Verdict::Unknown)
                continue;
            m_pass.waiting.push_back(s);
            for (const int p : unread) {
                if (auto where = m_source->storedAt(s, p))
                    m_pass.asked.push_back({std::move(*where), p, m_source->rowStampAt(s)});
            }
        }
        if (m_pass.next < candidates.size() && clock.elapsed() >= m_sliceMs) {
            if (!m_pass.shownFirst)
                showFirstSlice();
            m_slices.start(0);
            return;
        }
    }
    scanned();
}

// The records only a long value can tell are searched apart; the rows meanwhile show those
// found so far.
void FlexGridModel::scanned() {
    if (m_pass.waiting.empty()) {
        finishPass();
        return;
    }
    showFirstSlice();
    m_longs->search(std::move(m_pass.asked), m_filter.textWords());
    m_pass.asked.clear();
}

void FlexGridModel::longAnswered() {
    if (!m_pass.running || m_pass.waiting.empty() || m_pass.next < m_pass.candidates.size() ||
        !m_source)
        return;
    // Checked before the records: when it is done, what it found is all there is to know.
    const bool searching = !m_longs->idle();
    bool more = false;
    std::vector<Slot> still;
    for (const Slot s : m_pass.waiting) {
        RecordFilter::Verdict v = RecordFilter::Verdict::Yes;
        try {
            v = m_filter.judge(*m_source, s, *m_longs, nullptr);
        } catch (const std::exception&) {
            // shown, not hidden
        }
        if (v == RecordFilter::Verdict::Unknown && searching) {
            still.push_back(s);
            continue;
        }
        // Not known with the search done (the record was saved meanwhile): shown.
        if (v != RecordFilter::Verdict::No) {
            m_found[s] = 1;
            more = true;
        }
    }
    m_pass.waiting.swap(still);
    if (m_pass.waiting.empty())
        finishPass();
    else if (more)
        showFirstSlice();
}

void FlexGridModel::showFirstSlice() {
    m_pass.shownFirst = true;
    // The rows no longer show the whole result of the filter applied before.
    m_appliedExact = false;
    std::vector<Slot> shown;
    for (std::size_t i = 0; i < m_pass.next; ++i) {
        const Slot s = m_pass.candidates[i];
        if (s != kBlank && s < m_found.size() && m_found[s])
            shown.push_back(s);
    }
    beginResetModel();
    m_rows = std::move(shown);
    endResetModel();
    Q_EMIT firstSliceShown();
}

void FlexGridModel::finishPass() {
    m_pass.running = false;
    m_pass.waiting.clear();
    m_appliedExact = m_pass.changesAtStart == m_changes;
    m_pass.candidates = {};
    for (Slot s : m_pinned) {
        if (s >= m_found.size())
            m_found.resize(size_t(s) + 1, 0);
        m_found[s] = 1;
    }
    m_let.swap(m_found);
    m_found = {};
    std::vector<Slot> shown;
    for (Slot s : m_order) {
        if (s < m_let.size() && m_let[s])
            shown.push_back(s);
    }
    beginResetModel();
    m_rows = std::move(shown);
    endResetModel();
    m_applied = m_filter;
    m_appliedGroup = m_group;
    Q_EMIT filterApplied();
}

}  // namespace kbs
