#include "PlacedFile.h"

#include "AppError.h"

namespace kbs::exchange {

PlacedFile::PlacedFile(const QString& target, QString source) : m_source(std::move(source)) {
    safefile::removeLeftovers(target);
    try {
        safefile::refuseExisting(target);
        m_scratch = safefile::Scratch::file(target);
    } catch (const AppError& e) {
        throw AppError(e.number(), m_source, e.description());
    }
}

void PlacedFile::write(QByteArrayView bytes) {
    try {
        m_scratch.write(bytes);
    } catch (const AppError& e) {
        throw AppError(e.number(), m_source, e.description());
    }
}

void PlacedFile::place() {
    try {
        m_scratch.placeNoReplace();
    } catch (const AppError& e) {
        throw AppError(e.number(), m_source, e.description());
    }
}

}  // namespace kbs::exchange
