// What happened to a stand-in page: every call that changes it, in order, and how often each
// read reached it. Shared by all objects of one page (and the windows it opens).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tandrel::standin {

/// One call that changed (or tried to change) the page.
struct StandInEvent {
    enum class Kind { kOpen, kNavigate, kInsert, kClick };
    Kind kind = Kind::kOpen;
    std::u16string window;   ///< the window that received the call: "top", "frame", "opened 1"...
    std::u16string address;  ///< open and navigate: the address; click: the anchor's HREF
    std::u16string name;     ///< open: the window name; click: the anchor's TARGET
    std::u16string features; ///< open: the feature string
    bool replace = false;    ///< open: the replace argument
    std::u16string where;    ///< insert: the position ("beforeEnd")
    std::u16string markup;   ///< insert: the markup
    bool refused = false;    ///< the page refused the call as its description asked
};

class StandInLog {
public:
    /// Appends a call that changed the page (and tells the listener).
    void Record(StandInEvent event) {
        events_.push_back(std::move(event));
        if (listener_)
            listener_(events_.back());
    }
    /// Called with each call recorded from now on, as it happens.
    void Listen(std::function<void(const StandInEvent&)> listener) {
        listener_ = std::move(listener);
    }
    /// Counts one read of the named property or method ("top", "selection", "HWND"...).
    void CountRead(const std::string& what) { ++reads_[what]; }

    const std::vector<StandInEvent>& Events() const { return events_; }
    /// The calls of one kind, in order.
    std::vector<StandInEvent> EventsOf(StandInEvent::Kind kind) const;
    /// How often the named read reached the page; 0 when never.
    int Reads(const std::string& what) const;
    /// Every read made, by name.
    const std::map<std::string, int>& AllReads() const { return reads_; }

private:
    std::vector<StandInEvent> events_;
    std::map<std::string, int> reads_;
    std::function<void(const StandInEvent&)> listener_;
};

/// The log as lines of UTF-8 text, events first and then the reads by name, for example
/// `open top "http://a.example/?q=1" "_blank" "channelmode=0,..." replace=0` and
/// `read selection 1`. Texts are quoted with backslash escapes for quote, backslash and
/// control characters.
std::vector<std::string> DescribeLog(const StandInLog& log);

/// One event's line of DescribeLog.
std::string DescribeEvent(const StandInEvent& event);

/// The reads' lines of DescribeLog.
std::vector<std::string> DescribeReads(const StandInLog& log);

/// A wide text as a quoted UTF-8 text with the escapes of DescribeLog.
std::string QuoteForLog(const std::u16string& text);

} // namespace tandrel::standin
