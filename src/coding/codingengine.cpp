#include "coding/codingengine.h"

#include "coding/normaliser.h"
#include "coding/textmatch.h"
#include "data/database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace rvl92::coding {

namespace {

// Weights of the two views of a title in a candidate's score, and the score
// a candidate needs to be listed at all. Chosen by hand, not fitted to the
// benchmark's sets; the real labels it keeps unseen play no part in them.
constexpr double TrigramShare = 0.45;
constexpr double WordShare = 1.0 - TrigramShare;
constexpr int MinimumScore = 30;
// Certainty of the best candidate: its score and its lead over the next
// occupation.
constexpr int SureScore = 80;
constexpr int SureLead = 10;
constexpr int LikelyScore = 60;
// How many titles the trigram preselection hands to the full scoring.
constexpr size_t Preselected = 24;

size_t hashText(std::string_view s) {
    return std::hash<std::string_view>{}(s);
}

} // namespace

QString certaintyText(Certainty certainty) {
    switch (certainty) {
    case Certainty::Sure:
        return QStringLiteral("zeker");
    case Certainty::Likely:
        return QStringLiteral("waarschijnlijk");
    case Certainty::Unsure:
        return QStringLiteral("onzeker");
    case Certainty::None:
        break;
    }
    return {};
}

CodingEngine::CodingEngine() = default;
CodingEngine::~CodingEngine() = default;

CodingEngine::CodingEngine(const std::vector<TitleSource>& titles) {
    for (const TitleSource& t : titles)
        add(t.code.toStdString(), t.occupation.toStdString(), t.title.toStdString());
    finish();
}

std::unique_ptr<CodingEngine> CodingEngine::fromDatabase(const Database& db, DbError* error,
                                                         const std::atomic<bool>* cancel) {
    sqlite3* h = db.handle();
    if (!h) {
        *error = DbError{dberr::NotOpen, QStringLiteral("De database is niet geopend.")};
        return nullptr;
    }
    std::unique_ptr<CodingEngine> engine(new CodingEngine);
    auto text = [](sqlite3_stmt* st, int col) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        return p ? std::string_view(p, size_t(sqlite3_column_bytes(st, col))) : std::string_view();
    };
    // Occupations first, so that each gets the name from its own table.
    const char* queries[] = {"select RVL92, beroep, beroep from RVL",
                             "select RVL92, beroep, Functienaam from functienamen"};
    for (const char* sql : queries) {
        sqlite3_stmt* st = nullptr;
        int rc = sqlite3_prepare_v2(h, sql, -1, &st, nullptr);
        int row = 0;
        while (rc == SQLITE_OK || rc == SQLITE_ROW) {
            if ((rc = sqlite3_step(st)) != SQLITE_ROW)
                break;
            if (cancel && (++row & 1023) == 0 && cancel->load(std::memory_order_relaxed))
                break;
            std::string_view code = text(st, 0);
            while (!code.empty() && static_cast<unsigned char>(code.front()) <= ' ')
                code.remove_prefix(1);
            while (!code.empty() && static_cast<unsigned char>(code.back()) <= ' ')
                code.remove_suffix(1);
            if (code.empty())
                continue;
            engine->add(code, text(st, 1), text(st, 2));
        }
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
            *error = DbError{rc, QString::fromUtf8(sqlite3_errmsg(h))};
            sqlite3_finalize(st);
            return nullptr;
        }
        sqlite3_finalize(st);
        if (cancel && cancel->load())
            return nullptr;
    }
    engine->finish();
    return engine;
}

void CodingEngine::add(std::string_view code, std::string_view occupation, std::string_view title) {
    auto it = m_occupationByCode.find(code);
    uint32_t occ;
    if (it == m_occupationByCode.end()) {
        occ = uint32_t(m_occupations.size());
        m_occupations.push_back(
            {QString::fromUtf8(code.data(), qsizetype(code.size())),
             QString::fromUtf8(occupation.data(), qsizetype(occupation.size()))});
        m_occupationByCode.emplace(std::string(code), occ);
        // The occupation's own name is one of its titles.
        if (occupation != title)
            add(code, occupation, occupation);
    } else {
        occ = it->second;
    }
    const std::string normalised = normaliseTitleUtf8(title);
    if (normalised.empty())
        return;
    ++m_titleCount;
    Owner o;
    o.doc = internDoc(normalised);
    o.occupation = occ;
    o.titleOffset = uint32_t(m_titles.size());
    o.titleLength = uint32_t(title.size());
    m_titles.append(title);
    m_owners.push_back(o);
}

int64_t CodingEngine::findDoc(std::string_view normalised) const {
    if (m_docSlots.empty())
        return -1;
    const size_t mask = m_docSlots.size() - 1;
    const size_t hash = hashText(normalised);
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint32_t slot = m_docSlots[i];
        if (slot == 0)
            return -1;
        if (m_docHashes[slot - 1] == hash && docText(slot - 1) == normalised)
            return slot - 1;
    }
}

uint32_t CodingEngine::internDoc(const std::string& normalised) {
    if (m_docSlots.size() < 2 * (m_docs.size() + 1)) {
        std::vector<uint32_t> grown(std::max<size_t>(1024, m_docSlots.size() * 2), 0);
        const size_t mask = grown.size() - 1;
        for (uint32_t d = 0; d < m_docs.size(); ++d) {
            size_t i = m_docHashes[d] & mask;
            while (grown[i] != 0)
                i = (i + 1) & mask;
            grown[i] = d + 1;
        }
        m_docSlots.swap(grown);
    }
    const size_t mask = m_docSlots.size() - 1;
    const size_t hash = hashText(normalised);
    size_t i = hash & mask;
    for (; m_docSlots[i] != 0; i = (i + 1) & mask) {
        const uint32_t d = m_docSlots[i] - 1;
        if (m_docHashes[d] == hash && docText(d) == normalised)
            return d;
    }
    Doc d;
    d.textOffset = uint32_t(m_docText.size());
    d.textLength = uint32_t(normalised.size());
    m_docText += normalised;
    m_docs.push_back(d);
    m_docHashes.push_back(hash);
    m_docSlots[i] = uint32_t(m_docs.size());
    return uint32_t(m_docs.size() - 1);
}

namespace {

// Trigrams of blanks, letters a-z and digits (nearly all of them) have a slot
// in a direct table; others go through a hash map.
constexpr uint32_t AlphabetSize = 37;
constexpr uint32_t NoSlot = UINT32_MAX;

uint32_t symbol(uint32_t byte) {
    if (byte == ' ')
        return 0;
    if (byte >= 'a' && byte <= 'z')
        return 1 + byte - 'a';
    if (byte >= '0' && byte <= '9')
        return 27 + byte - '0';
    return NoSlot;
}

uint32_t directSlot(uint32_t trigram) {
    const uint32_t a = symbol(trigram >> 16), b = symbol((trigram >> 8) & 0xFF),
                   c = symbol(trigram & 0xFF);
    if (a == NoSlot || b == NoSlot || c == NoSlot)
        return NoSlot;
    return (a * AlphabetSize + b) * AlphabetSize + c;
}

} // namespace

int64_t CodingEngine::trigramId(uint32_t trigram) const {
    const uint32_t slot = directSlot(trigram);
    if (slot != NoSlot)
        return m_directTrigramIds[slot] == NoSlot ? -1 : int64_t(m_directTrigramIds[slot]);
    const auto it = m_trigramIds.find(trigram);
    return it == m_trigramIds.end() ? -1 : int64_t(it->second);
}

void CodingEngine::finish() {
    m_occupationByCode.clear();
    // Owners grouped by title, each occupation once per title (the first way
    // it was written), in code order so that shared titles list by code.
    std::vector<uint32_t> byCode(m_occupations.size()), rank(m_occupations.size());
    for (uint32_t i = 0; i < byCode.size(); ++i)
        byCode[i] = i;
    std::sort(byCode.begin(), byCode.end(), [this](uint32_t a, uint32_t b) {
        return m_occupations[a].code < m_occupations[b].code;
    });
    for (uint32_t i = 0; i < byCode.size(); ++i)
        rank[byCode[i]] = i;
    // By title with a counting pass (linear in the owners), then each title's
    // few owners by code; the order they were added breaks ties.
    {
        std::vector<uint32_t> start(m_docs.size() + 1, 0);
        for (const Owner& o : m_owners)
            ++start[o.doc + 1];
        for (size_t d = 0; d < m_docs.size(); ++d)
            start[d + 1] += start[d];
        std::vector<Owner> sorted(m_owners.size());
        std::vector<uint32_t> next(start.begin(), start.end() - 1);
        for (const Owner& o : m_owners)
            sorted[next[o.doc]++] = o;
        for (size_t d = 0; d < m_docs.size(); ++d) {
            if (start[d + 1] - start[d] > 1)
                std::stable_sort(sorted.begin() + start[d], sorted.begin() + start[d + 1],
                                 [&rank](const Owner& a, const Owner& b) {
                                     return rank[a.occupation] < rank[b.occupation];
                                 });
        }
        m_owners.swap(sorted);
    }
    m_owners.erase(std::unique(m_owners.begin(), m_owners.end(),
                               [](const Owner& a, const Owner& b) {
                                   return a.doc == b.doc && a.occupation == b.occupation;
                               }),
                   m_owners.end());
    for (uint32_t i = 0; i < m_owners.size(); ++i) {
        Doc& d = m_docs[m_owners[i].doc];
        if (d.ownerCount++ == 0)
            d.firstOwner = i;
    }

    // Trigram and word frequencies over the distinct titles. A trigram counts
    // once per title: lastDoc remembers the title that counted it last.
    const double n = double(std::max<size_t>(1, m_docs.size()));
    std::vector<uint32_t> df, lastDoc;
    m_directTrigramIds.assign(AlphabetSize * AlphabetSize * AlphabetSize, NoSlot);
    const auto intern = [&](uint32_t t) {
        const uint32_t slot = directSlot(t);
        uint32_t* id = nullptr;
        if (slot != NoSlot) {
            id = &m_directTrigramIds[slot];
        } else {
            auto [it, added] = m_trigramIds.try_emplace(t, NoSlot);
            id = &it->second;
        }
        if (*id == NoSlot) {
            *id = uint32_t(df.size());
            df.push_back(0);
            lastDoc.push_back(0);
        }
        return *id;
    };
    std::vector<uint32_t> wordDf, lastDocOfWord;
    m_docWordStart.assign(m_docs.size() + 1, 0);
    for (uint32_t d = 0; d < m_docs.size(); ++d) {
        forEachTrigram(docText(d), [&](uint32_t t) {
            const uint32_t id = intern(t);
            if (lastDoc[id] != d + 1) {
                lastDoc[id] = d + 1;
                ++df[id];
            }
        });
        for (std::string_view w : titleWords(docText(d))) {
            auto [it, added] = m_wordIds.try_emplace(std::string(w), uint32_t(wordDf.size()));
            if (added) {
                m_wordTexts.push_back(it->first);
                wordDf.push_back(0);
                lastDocOfWord.push_back(0);
            }
            const uint32_t id = it->second;
            m_docWords.push_back(id);
            if (lastDocOfWord[id] != d + 1) {
                lastDocOfWord[id] = d + 1;
                ++wordDf[id];
            }
        }
        m_docWordStart[d + 1] = uint32_t(m_docWords.size());
    }
    m_trigramIdf.resize(df.size());
    for (size_t i = 0; i < df.size(); ++i)
        m_trigramIdf[i] = float(std::log(1.0 + n / df[i]));
    m_unknownTrigramIdf = float(std::log(1.0 + n));
    m_wordIdf.resize(wordDf.size());
    for (size_t i = 0; i < wordDf.size(); ++i)
        m_wordIdf[i] = float(std::log(1.0 + n / wordDf[i]));
    m_unknownWordIdf = float(std::log(1.0 + n));

    // Postings: for each trigram the titles that have it, in title order.
    m_postingStart.assign(df.size() + 1, 0);
    for (size_t i = 0; i < df.size(); ++i)
        m_postingStart[i + 1] = m_postingStart[i] + df[i];
    m_postings.resize(m_postingStart.back());
    std::vector<uint32_t> fill(m_postingStart.begin(), m_postingStart.end() - 1);
    std::fill(lastDoc.begin(), lastDoc.end(), 0);
    m_docTrigramWeight.assign(m_docs.size(), 0.0f);
    for (uint32_t d = 0; d < m_docs.size(); ++d) {
        double weight = 0;
        forEachTrigram(docText(d), [&](uint32_t t) {
            const uint32_t id = uint32_t(trigramId(t));
            if (lastDoc[id] == d + 1)
                return;
            lastDoc[id] = d + 1;
            m_postings[fill[id]++] = d;
            weight += m_trigramIdf[id];
        });
        m_docTrigramWeight[d] = float(weight);
    }
    // Trigrams in more than one title in fifty add little to the ranking and
    // most of the time to a lookup; a fixed ceiling keeps large classifications
    // as fast per key as small ones.
    m_commonTrigram = std::clamp<uint32_t>(uint32_t(m_docs.size() / 50), 200, 5000);
    m_docText.shrink_to_fit();
    m_titles.shrink_to_fit();
}

double CodingEngine::trigramWeight(uint32_t trigram) const {
    const int64_t id = trigramId(trigram);
    return id < 0 ? m_unknownTrigramIdf : m_trigramIdf[size_t(id)];
}

double CodingEngine::wordWeight(std::string_view word, bool* known) const {
    const auto it = m_wordIds.find(word);
    *known = it != m_wordIds.end();
    return *known ? m_wordIdf[it->second] : m_unknownWordIdf;
}

// What one query needs again for every title it scores: where each of its
// plain trigrams sits in its sorted list (a table by trigram slot instead of
// a search per trigram), and how its words compare with the words of the
// titles, worked out once per distinct title word, since the preselected
// titles of a query share most of their words.
struct CodingEngine::QueryCache {
    uint32_t query = 0;
    std::vector<uint32_t> queryOfSlot; // per direct trigram slot: the query that set it
    std::vector<uint32_t> indexOfSlot; // the trigram's index in the query's list
    std::vector<uint32_t> queryOfWord; // per word id: the query that filled it
    std::vector<uint32_t> offset;      // per word id: where its values start
    std::vector<double> similarity;    // per filled word, one per query word
    std::vector<uint32_t> covered;     // its length where it is part of that query word

    void start(size_t words, const std::vector<uint32_t>& trigrams) {
        if (queryOfWord.size() < words || queryOfSlot.empty()) {
            queryOfWord.assign(std::max(words, queryOfWord.size()), 0);
            offset.assign(queryOfWord.size(), 0);
            queryOfSlot.assign(AlphabetSize * AlphabetSize * AlphabetSize, 0);
            indexOfSlot.assign(queryOfSlot.size(), 0);
            query = 0;
        }
        if (++query == 0) {
            std::fill(queryOfWord.begin(), queryOfWord.end(), 0);
            std::fill(queryOfSlot.begin(), queryOfSlot.end(), 0);
            query = 1;
        }
        similarity.clear();
        covered.clear();
        for (size_t i = 0; i < trigrams.size(); ++i) {
            const uint32_t slot = directSlot(trigrams[i]);
            if (slot != NoSlot) {
                queryOfSlot[slot] = query;
                indexOfSlot[slot] = uint32_t(i);
            }
        }
    }
    // Index of a trigram in the query's sorted list, or -1.
    int64_t indexOf(uint32_t trigram, const std::vector<uint32_t>& trigrams) const {
        const uint32_t slot = directSlot(trigram);
        if (slot != NoSlot)
            return queryOfSlot[slot] == query ? int64_t(indexOfSlot[slot]) : -1;
        const auto it = std::lower_bound(trigrams.begin(), trigrams.end(), trigram);
        return it == trigrams.end() || *it != trigram ? -1 : int64_t(it - trigrams.begin());
    }
    uint32_t values(uint32_t word, std::string_view text,
                    const std::vector<std::string_view>& queryWords) {
        if (queryOfWord[word] == query)
            return offset[word];
        queryOfWord[word] = query;
        offset[word] = uint32_t(similarity.size());
        for (const std::string_view typed : queryWords) {
            similarity.push_back(wordSimilarity(typed, text));
            // Parts of a compound typed as one word: "bakkersknecht".
            const bool part =
                text.size() >= 3 && text.size() < typed.size() && typed.find(text) != typed.npos;
            covered.push_back(part ? uint32_t(text.size()) : 0);
        }
        return offset[word];
    }
};

std::vector<uint32_t> CodingEngine::preselect(const std::vector<uint32_t>& queryTrigrams,
                                              double queryWeight) const {
    // One accumulator per thread, kept between calls: clearing only what a
    // query touched keeps a lookup independent of the number of titles.
    thread_local std::vector<float> acc;
    thread_local std::vector<uint32_t> touched;
    if (acc.size() < m_docs.size())
        acc.assign(m_docs.size(), 0.0f);

    // Rarest trigrams first; common ones only while few have been used.
    std::vector<std::pair<uint32_t, size_t>> order; // (postings, index)
    for (size_t i = 0; i < queryTrigrams.size(); ++i) {
        const int64_t found = trigramId(queryTrigrams[i]);
        if (found < 0)
            continue;
        const uint32_t id = uint32_t(found);
        order.emplace_back(m_postingStart[id + 1] - m_postingStart[id], id);
    }
    std::sort(order.begin(), order.end());
    touched.clear();
    for (size_t k = 0; k < order.size(); ++k) {
        const auto [count, id] = order[k];
        if (count > m_commonTrigram && k >= 3)
            break;
        const float w = m_trigramIdf[id];
        for (uint32_t p = m_postingStart[id]; p < m_postingStart[id + 1]; ++p) {
            const uint32_t d = m_postings[p];
            if (acc[d] == 0.0f)
                touched.push_back(d);
            acc[d] += w;
        }
    }

    std::vector<std::pair<float, uint32_t>> ranked;
    ranked.reserve(touched.size());
    for (uint32_t d : touched) {
        ranked.emplace_back(acc[d] / float(queryWeight + m_docTrigramWeight[d]), d);
        acc[d] = 0.0f;
    }
    const auto better = [](const std::pair<float, uint32_t>& a,
                           const std::pair<float, uint32_t>& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    };
    if (ranked.size() > Preselected) {
        std::nth_element(ranked.begin(), ranked.begin() + Preselected, ranked.end(), better);
        ranked.resize(Preselected);
    }
    std::vector<uint32_t> docs;
    docs.reserve(ranked.size());
    for (const auto& r : ranked)
        docs.push_back(r.second);
    return docs;
}

double CodingEngine::scoreDoc(uint32_t doc, const std::vector<uint32_t>& queryTrigrams,
                              const std::vector<double>& queryTrigramWeights, double queryWeight,
                              const std::vector<std::string_view>& queryWords,
                              const std::vector<double>& queryWordWeights,
                              QueryCache& cache) const {
    const std::string_view text = docText(doc);
    // Weighted trigram overlap (Dice), each shared trigram counted once.
    thread_local std::vector<uint32_t> counted;
    thread_local uint32_t pass = 0;
    if (counted.size() < queryTrigrams.size())
        counted.resize(queryTrigrams.size(), pass);
    ++pass;
    double shared = 0;
    forEachTrigram(text, [&](uint32_t t) {
        const int64_t found = cache.indexOf(t, queryTrigrams);
        if (found < 0)
            return;
        const size_t i = size_t(found);
        if (counted[i] != pass) {
            counted[i] = pass;
            shared += queryTrigramWeights[i];
        }
    });
    const double dice = 2.0 * shared / (queryWeight + m_docTrigramWeight[doc]);

    // Weighted words: how much of the text the title explains (recall) and
    // how much of the title the text explains (precision).
    const uint32_t* words = m_docWords.data() + m_docWordStart[doc];
    const size_t wordCount = m_docWordStart[doc + 1] - m_docWordStart[doc];
    thread_local std::vector<uint32_t> at;
    thread_local std::vector<double> titleBest;
    at.resize(wordCount);
    titleBest.assign(wordCount, 0.0);
    for (size_t t = 0; t < wordCount; ++t)
        at[t] = cache.values(words[t], m_wordTexts[words[t]], queryWords);
    double recall = 0, recallTotal = 0;
    for (size_t q = 0; q < queryWords.size(); ++q) {
        const std::string_view typed = queryWords[q];
        double best = 0;
        size_t covered = 0;
        for (size_t t = 0; t < wordCount; ++t) {
            const double s = cache.similarity[at[t] + q];
            best = std::max(best, s);
            titleBest[t] = std::max(titleBest[t], s);
            covered += cache.covered[at[t] + q];
        }
        if (covered * 10 >= typed.size() * 6)
            best = std::max(best, 0.9 * std::min(1.0, double(covered) / double(typed.size())));
        recall += queryWordWeights[q] * best;
        recallTotal += queryWordWeights[q];
    }
    double precision = 0, precisionTotal = 0;
    for (size_t t = 0; t < wordCount; ++t) {
        const double w = m_wordIdf[words[t]];
        precision += w * titleBest[t];
        precisionTotal += w;
    }
    const double r = recallTotal > 0 ? recall / recallTotal : 0;
    const double p = precisionTotal > 0 ? precision / precisionTotal : 0;
    const double f = r + p > 0 ? 2 * r * p / (r + p) : 0;
    return TrigramShare * dice + WordShare * f;
}

CodingResult CodingEngine::code(QStringView text, int maxCandidates) const {
    CodingResult result;
    maxCandidates = std::clamp(maxCandidates, 1, MaxCandidates);
    const std::string normalised = normaliseTitleUtf8(text);
    if (normalised.empty() || m_docs.empty())
        return result;

    struct Best {
        uint32_t occupation;
        int score;
        double exactness;
        uint32_t owner;
    };
    std::vector<Best> best;
    auto offer = [&](uint32_t doc, int score, double exactness) {
        const Doc& d = m_docs[doc];
        for (uint32_t o = d.firstOwner; o < d.firstOwner + d.ownerCount; ++o) {
            const uint32_t occ = m_owners[o].occupation;
            auto it = std::find_if(best.begin(), best.end(),
                                   [occ](const Best& b) { return b.occupation == occ; });
            if (it == best.end())
                best.push_back({occ, score, exactness, o});
            else if (exactness > it->exactness)
                *it = {occ, score, exactness, o};
        }
    };

    const int64_t exact = findDoc(normalised);
    if (exact >= 0)
        offer(uint32_t(exact), 100, 2.0);

    std::vector<uint32_t> trigrams = titleTrigrams(normalised);
    std::vector<double> trigramWeights;
    double queryWeight = 0;
    for (uint32_t t : trigrams) {
        trigramWeights.push_back(trigramWeight(t));
        queryWeight += trigramWeights.back();
    }
    const std::vector<std::string_view> words = titleWords(normalised);
    std::vector<double> wordWeights;
    for (std::string_view w : words) {
        bool known = false;
        wordWeights.push_back(wordWeight(w, &known));
    }
    thread_local QueryCache cache;
    cache.start(m_wordTexts.size(), trigrams);
    for (uint32_t doc : preselect(trigrams, queryWeight)) {
        if (int64_t(doc) == exact)
            continue;
        const double s =
            scoreDoc(doc, trigrams, trigramWeights, queryWeight, words, wordWeights, cache);
        const int score = std::clamp(int(std::lround(s * 100)), 0, 99);
        if (score >= MinimumScore)
            offer(doc, score, s);
    }

    std::sort(best.begin(), best.end(), [this](const Best& a, const Best& b) {
        if (a.exactness != b.exactness)
            return a.exactness > b.exactness;
        return m_occupations[a.occupation].code < m_occupations[b.occupation].code;
    });
    for (const Best& b : best) {
        if (int(result.candidates.size()) == maxCandidates)
            break;
        const Owner& o = m_owners[b.owner];
        result.candidates.push_back(
            {m_occupations[b.occupation].code, m_occupations[b.occupation].name,
             QString::fromUtf8(m_titles.data() + o.titleOffset, qsizetype(o.titleLength)),
             b.score});
    }
    if (best.empty())
        return result;
    const int top = best[0].score;
    const int next = best.size() > 1 ? best[1].score : 0;
    if (top == 100 && next < 100)
        result.certainty = Certainty::Sure;
    else if (top >= SureScore && top - next >= SureLead)
        result.certainty = Certainty::Sure;
    else if (top >= LikelyScore)
        result.certainty = Certainty::Likely;
    else
        result.certainty = Certainty::Unsure;
    return result;
}

} // namespace rvl92::coding
