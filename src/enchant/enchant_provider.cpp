// enchant_vorlen.so: Vorlen as an Enchant 2 provider, so that GTK programs,
// pyenchant and `enchant-2 -a` check Spanish with it. Enchant loads every
// provider when a client starts, so the vocabulary is read only when a
// dictionary is asked for, once, and shared by every dictionary of the
// provider. Enchant is C: no C++ exception leaves these functions.
#include <enchant-provider.h>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>
#include <vorlen/speller.h>

namespace {

constexpr const char* kTags[] = {"es",    "es_AR", "es_BO", "es_CL", "es_CO", "es_CR",
                                 "es_CU", "es_DO", "es_EC", "es_ES", "es_GT", "es_HN",
                                 "es_MX", "es_NI", "es_PA", "es_PE", "es_PR", "es_PY",
                                 "es_SV", "es_US", "es_UY", "es_VE"};

// Spanish, with or without a region ("es", "es_MX", "es-AR", "es_ES.UTF-8").
bool IsSpanishTag(const char* tag) {
    if (tag == nullptr) return false;
    const std::string_view t(tag);
    return t == "es" || (t.size() > 2 && t.starts_with("es") &&
                         (t[2] == '_' || t[2] == '-' || t[2] == '.' || t[2] == '@'));
}

// No Spanish word comes near; a longer run of letters is not looked into, so
// that a check costs a bounded time whatever a program passes.
constexpr std::size_t kMaxCheckedWordBytes = 200;

struct ProviderState {
    std::mutex Lock;
    std::shared_ptr<const vorlen::Speller> Speller; // read at the first request
};

struct DictState {
    std::shared_ptr<const vorlen::Speller> Speller;
};

ProviderState& StateOf(EnchantProvider* provider) {
    return *static_cast<ProviderState*>(provider->user_data);
}

const vorlen::Speller& SpellerOf(EnchantDict* dict) {
    return *static_cast<DictState*>(dict->user_data)->Speller;
}

char** StringList(const std::vector<std::string>& strings) {
    char** list = g_new0(char*, strings.size() + 1);
    for (std::size_t k = 0; k < strings.size(); ++k)
        list[k] = g_strndup(strings[k].data(), strings[k].size());
    return list;
}

int Check(EnchantDict* dict, const char* const word, size_t len) {
    if (len > kMaxCheckedWordBytes) return 1;
    try {
        const auto check = SpellerOf(dict).Check(std::string_view(word, len));
        return check.Status == vorlen::WordStatus::Found ? 0 : 1;
    } catch (const std::exception& e) {
        enchant_dict_set_error(dict, e.what());
    } catch (...) {
        enchant_dict_set_error(dict, "vorlen: unexpected failure");
    }
    return -1;
}

// The engine's spellings in its order; for a word nothing explains, the
// vocabulary words one typing error away.
char** Suggest(EnchantDict* dict, const char* const word, size_t len, size_t* out_n) {
    *out_n = 0;
    if (len > kMaxCheckedWordBytes) return nullptr;
    try {
        auto check = SpellerOf(dict).Check(std::string_view(word, len));
        const auto& offered =
            check.Status == vorlen::WordStatus::NotFound ? check.SimilarWords : check.Candidates;
        if (offered.empty()) return nullptr;
        char** list = StringList(offered);
        *out_n = offered.size();
        return list;
    } catch (const std::exception& e) {
        enchant_dict_set_error(dict, e.what());
    } catch (...) {
        enchant_dict_set_error(dict, "vorlen: unexpected failure");
    }
    return nullptr;
}

EnchantDict* RequestDict(EnchantProvider* me, const char* const tag) {
    if (!IsSpanishTag(tag)) return nullptr;
    try {
        ProviderState& state = StateOf(me);
        std::shared_ptr<const vorlen::Speller> speller;
        {
            std::lock_guard lock(state.Lock);
            if (!state.Speller)
                state.Speller =
                    std::make_shared<const vorlen::Speller>(vorlen::Speller::InstalledVocabulary());
            speller = state.Speller;
        }
        auto dictState = std::make_unique<DictState>(DictState{std::move(speller)});
        EnchantDict* dict = g_new0(EnchantDict, 1);
        dict->user_data = dictState.release();
        dict->check = Check;
        dict->suggest = Suggest;
        return dict;
    } catch (const std::exception& e) {
        enchant_provider_set_error(me, e.what());
    } catch (...) {
        enchant_provider_set_error(me, "vorlen: cannot open the vocabulary");
    }
    return nullptr;
}

void DisposeDict(EnchantProvider*, EnchantDict* dict) {
    delete static_cast<DictState*>(dict->user_data);
    g_free(dict);
}

int DictionaryExists(EnchantProvider*, const char* const tag) {
    return IsSpanishTag(tag) ? 1 : 0;
}

const char* Identify(EnchantProvider*) {
    return "vorlen";
}

const char* Describe(EnchantProvider*) {
    return "Vorlen: Spanish written by ear";
}

char** ListDicts(EnchantProvider*, size_t* out_n) {
    char** list = g_new0(char*, std::size(kTags) + 1);
    for (std::size_t k = 0; k < std::size(kTags); ++k)
        list[k] = g_strdup(kTags[k]);
    *out_n = std::size(kTags);
    return list;
}

void Dispose(EnchantProvider* me) {
    delete &StateOf(me);
    g_free(me);
}

} // namespace

extern "C" __attribute__((visibility("default"))) EnchantProvider* init_enchant_provider(void) {
    try {
        auto state = std::make_unique<ProviderState>();
        EnchantProvider* provider = g_new0(EnchantProvider, 1);
        provider->user_data = state.release();
        provider->dispose = Dispose;
        provider->request_dict = RequestDict;
        provider->dispose_dict = DisposeDict;
        provider->dictionary_exists = DictionaryExists;
        provider->identify = Identify;
        provider->describe = Describe;
        provider->list_dicts = ListDicts;
        return provider;
    } catch (...) {
        return nullptr;
    }
}
