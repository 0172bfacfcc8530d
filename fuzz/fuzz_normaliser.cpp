// The normaliser and the engine on any text: they must return, the
// normalised form must be stable (normalising it again changes nothing) and
// hold only single blanks between words, and every candidate must be sane.

#include "coding/codingengine.h"
#include "coding/normaliser.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

const rvl92::coding::CodingEngine& engine() {
    static const rvl92::coding::CodingEngine e(std::vector<rvl92::coding::TitleSource>{
        {"10001", "Bakker", "Bakkersknecht"},
        {"20001", "Medewerker klantenservice", "Klantenservicemedewerker"},
        {"30001", "Verpleegkundige", "Wijkverpleegkundige"},
        {"30002", "Coördinator zorg", "Coördinator (m/v)"},
        {"40001", "Assistent", "Assistent"},
        {"40002", "Tandartsassistent", "Assistent"},
    });
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString once = rvl92::coding::normaliseTitle(text);
    if (rvl92::coding::normaliseTitle(once) != once)
        abort();
    if (once.startsWith(u' ') || once.endsWith(u' ') || once.contains(QLatin1String("  ")))
        abort();
    const rvl92::coding::CodingResult r = engine().code(text, 3);
    if (r.candidates.size() > 3 ||
        (r.candidates.empty()) != (r.certainty == rvl92::coding::Certainty::None))
        abort();
    for (size_t i = 0; i < r.candidates.size(); ++i) {
        const int s = r.candidates[i].score;
        if (s < 0 || s > 100 || (i > 0 && s > r.candidates[i - 1].score))
            abort();
    }
    return 0;
}
