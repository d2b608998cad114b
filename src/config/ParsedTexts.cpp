#include "config/ParsedTexts.h"

#include "config/ConfigParser.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace tandrel {

namespace {

// Guards the texts kept and the entries made on first use. Commands of several apartments may
// ask at once, rarely, and each holds it only to look up or to store (the parsing runs outside
// it): waiting by giving up the time slice is enough, and unlike std::mutex it brings no error
// reporting into a module without threads.
class CSpinLock {
public:
    void lock() {
        while (busy_.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
    }
    void unlock() { busy_.clear(std::memory_order_release); }

private:
    std::atomic_flag busy_ = ATOMIC_FLAG_INIT;
};

CSpinLock cacheLock;

struct KeptText {
    std::string text;
    std::vector<std::shared_ptr<const CParsedPrefix>> prefixes;
    unsigned lastUse = 0; ///< 0 for a free slot
};

std::array<KeptText, 3> kept;
unsigned uses = 0;

KeptText* FindKept(std::string_view text) {
    for (KeptText& slot : kept) {
        if (slot.lastUse && SameBytes(slot.text, text))
            return &slot;
    }
    return nullptr;
}

// The slot for a text not kept yet: a free one, or the one used longest ago.
KeptText& KeepText(std::string_view text) {
    KeptText* oldest = &kept[0];
    for (KeptText& slot : kept) {
        if (slot.lastUse < oldest->lastUse)
            oldest = &slot;
    }
    oldest->prefixes.clear();
    oldest->text = text;
    return *oldest;
}

// The kept parse of the prefix in the slot's text, which becomes the text used last; null when
// there is none.
std::shared_ptr<const CParsedPrefix> UseKept(KeptText* slot, std::string_view prefix) {
    if (!slot)
        return nullptr;
    for (const std::shared_ptr<const CParsedPrefix>& parsed : slot->prefixes) {
        if (parsed->Prefix() == prefix) {
            slot->lastUse = ++uses;
            return parsed;
        }
    }
    return nullptr;
}

} // namespace

CParsedPrefix::CParsedPrefix(std::string_view text, std::string_view prefix) : prefix_(prefix) {
    ParseConfigText(sections_, text, prefix);
}

const std::vector<CLink>& CParsedPrefix::Links() const {
    {
        std::lock_guard<CSpinLock> hold(cacheLock);
        if (links_)
            return *links_;
    }
    // Made outside the lock, like the sections; once stored, the entries never change.
    auto links = std::make_unique<std::vector<CLink>>(sections_.size());
    for (std::size_t index = 0; index < sections_.size(); ++index)
        (*links)[index].LoadKeysFromSection(sections_[index]);
    std::lock_guard<CSpinLock> hold(cacheLock);
    // Another thread may have made them in the meantime: the first stored stays.
    if (!links_)
        links_ = std::move(links);
    return *links_;
}

std::shared_ptr<const CParsedPrefix> ParsedPrefixOf(std::string_view text,
                                                    std::string_view prefix) {
    {
        std::lock_guard<CSpinLock> hold(cacheLock);
        if (std::shared_ptr<const CParsedPrefix> parsed = UseKept(FindKept(text), prefix))
            return parsed;
    }
    auto parsed = std::make_shared<const CParsedPrefix>(text, prefix);
    std::lock_guard<CSpinLock> hold(cacheLock);
    KeptText* slot = FindKept(text);
    // Another thread may have parsed the same in the meantime: one of the two is kept.
    if (std::shared_ptr<const CParsedPrefix> other = UseKept(slot, prefix))
        return other;
    if (!slot)
        slot = &KeepText(text);
    slot->lastUse = ++uses;
    slot->prefixes.push_back(parsed);
    return parsed;
}

void ForgetParsedTexts() {
    std::lock_guard<CSpinLock> hold(cacheLock);
    for (KeptText& slot : kept)
        slot = KeptText();
}

bool SameBytes(std::string_view first, std::string_view second) {
    if (first.size() != second.size())
        return false;
    const char* a = first.data();
    const char* b = second.data();
    std::size_t size = first.size();
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= size; at += sizeof(std::uint64_t)) {
        std::uint64_t wordA;
        std::uint64_t wordB;
        std::memcpy(&wordA, a + at, sizeof wordA);
        std::memcpy(&wordB, b + at, sizeof wordB);
        if (wordA != wordB)
            return false;
    }
    for (; at < size; ++at) {
        if (a[at] != b[at])
            return false;
    }
    return true;
}

} // namespace tandrel
