#pragma once

#include "data/dberror.h"

#include <QString>
#include <QStringView>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rvl92 {
class Database;
}

namespace rvl92::coding {

// How sure the engine is of its best candidate.
enum class Certainty { None, Unsure, Likely, Sure };

// "zeker", "waarschijnlijk", "onzeker", or "" when there is no candidate.
QString certaintyText(Certainty certainty);

struct Candidate {
    QString code;       // RVL92 code of the occupation
    QString occupation; // name of the occupation
    QString title;      // the job title that matched best
    int score = 0;      // 100 only for a title that is the text itself
};

struct CodingResult {
    std::vector<Candidate> candidates; // best first, one per occupation
    Certainty certainty = Certainty::None;
};

// One job title of the classification as the engine is built from it.
struct TitleSource {
    QString code;
    QString occupation;
    QString title;
};

// Proposes RVL92 codes for a free-text job title.
//
// Built once from all job titles (and the occupation names, which are titles
// too); afterwards it only reads, so one engine serves any number of threads.
// A title equal to the text after normalising scores 100 and comes first;
// other titles score by weighted character trigrams (typos, compounds, word
// order) and weighted words (rare words count more than common ones), at most
// 99. The same text always gives the same ranking: equal scores go by code.
class CodingEngine {
public:
    explicit CodingEngine(const std::vector<TitleSource>& titles);
    ~CodingEngine();
    CodingEngine(const CodingEngine&) = delete;
    CodingEngine& operator=(const CodingEngine&) = delete;

    // Reads the tables functienamen and RVL of an open database. Returns null
    // on a read error (in *error) or when *cancel was set meanwhile.
    static std::unique_ptr<CodingEngine> fromDatabase(const Database& db, DbError* error,
                                                      const std::atomic<bool>* cancel = nullptr);

    static constexpr int MaxCandidates = 10;
    CodingResult code(QStringView text, int maxCandidates = 3) const;

    int titleCount() const { return m_titleCount; }
    int occupationCount() const { return int(m_occupations.size()); }

private:
    CodingEngine();
    // UTF-8, as the database hands it over: most titles never become a QString.
    void add(std::string_view code, std::string_view occupation, std::string_view title);
    void finish();

    struct Occupation {
        QString code;
        QString name;
    };
    // A distinct normalised title and the occupations that have it.
    struct Doc {
        uint32_t textOffset = 0;
        uint32_t textLength = 0;
        uint32_t firstOwner = 0;
        uint32_t ownerCount = 0;
    };
    struct Owner {
        uint32_t doc = 0;
        uint32_t occupation = 0;
        uint32_t titleOffset = 0; // the job title as written, in m_titles
        uint32_t titleLength = 0;
    };
    struct Scored {
        uint32_t doc;
        double score;
    };

    std::string_view docText(uint32_t doc) const {
        return std::string_view(m_docText).substr(m_docs[doc].textOffset, m_docs[doc].textLength);
    }
    int64_t findDoc(std::string_view normalised) const;
    uint32_t internDoc(const std::string& normalised);
    double trigramWeight(uint32_t trigram) const;
    double wordWeight(std::string_view word, bool* known) const;
    struct QueryCache;
    double scoreDoc(uint32_t doc, const std::vector<uint32_t>& queryTrigrams,
                    const std::vector<double>& queryTrigramWeights, double queryWeight,
                    const std::vector<std::string_view>& queryWords,
                    const std::vector<double>& queryWordWeights, QueryCache& cache) const;
    std::vector<uint32_t> preselect(const std::vector<uint32_t>& queryTrigrams,
                                    double queryWeight) const;

    std::vector<Occupation> m_occupations;
    std::vector<Doc> m_docs;
    // Per title the sum of the weights of its trigrams, apart from the rest:
    // the preselection reads it for every title a query touches.
    std::vector<float> m_docTrigramWeight;
    std::string m_docText;
    std::vector<Owner> m_owners;
    std::string m_titles;                                // UTF-8
    std::vector<uint32_t> m_docSlots;                    // open-addressing table: doc + 1, 0 empty
    std::vector<size_t> m_docHashes;                     // per doc: cheap mismatch, no rehashing
    int64_t trigramId(uint32_t trigram) const;           // -1 when no title has it
    std::vector<uint32_t> m_directTrigramIds;            // by slot of a plain trigram
    std::unordered_map<uint32_t, uint32_t> m_trigramIds; // the others
    std::vector<float> m_trigramIdf;
    std::vector<uint32_t> m_postingStart; // per trigram id, plus one
    std::vector<uint32_t> m_postings;     // doc ids
    struct WordHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    // Words of the titles: id by text, and per id its text and weight; each
    // title's words (with repeats, in order) as ids.
    std::unordered_map<std::string, uint32_t, WordHash, std::equal_to<>> m_wordIds;
    std::vector<std::string_view> m_wordTexts; // keys of m_wordIds, which never move
    std::vector<float> m_wordIdf;
    std::vector<uint32_t> m_docWordStart; // per title, plus one
    std::vector<uint32_t> m_docWords;
    float m_unknownWordIdf = 1.0f;
    float m_unknownTrigramIdf = 1.0f;
    int m_titleCount = 0;
    // Only while building: occupation index by code.
    std::unordered_map<std::string, uint32_t, WordHash, std::equal_to<>> m_occupationByCode;
    // Preselection skips trigrams found in more titles than this (their
    // weight is small anyway); the candidates are still scored on all.
    uint32_t m_commonTrigram = 0;
};

} // namespace rvl92::coding
