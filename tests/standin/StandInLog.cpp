#include "StandInLog.h"

#include "common/TextConversion.h"

namespace tandrel::standin {

std::vector<StandInEvent> StandInLog::EventsOf(StandInEvent::Kind kind) const {
    std::vector<StandInEvent> matching;
    for (const StandInEvent& event : events_) {
        if (event.kind == kind)
            matching.push_back(event);
    }
    return matching;
}

int StandInLog::Reads(const std::string& what) const {
    auto found = reads_.find(what);
    return found == reads_.end() ? 0 : found->second;
}

std::string QuoteForLog(const std::u16string& text) {
    std::string utf8 = WideToUtf8(text);
    std::string quoted = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (c < 0x20) {
                static const char kHex[] = "0123456789abcdef";
                quoted += "\\x";
                quoted += kHex[c >> 4];
                quoted += kHex[c & 0xF];
            } else {
                quoted += static_cast<char>(c);
            }
        }
    }
    return quoted + "\"";
}

std::string DescribeEvent(const StandInEvent& event) {
    std::string window = WideToUtf8(event.window);
    std::string line;
    switch (event.kind) {
    case StandInEvent::Kind::kOpen:
        line = "open " + window + " " + QuoteForLog(event.address) + " " + QuoteForLog(event.name) +
               " " + QuoteForLog(event.features) + (event.replace ? " replace=1" : " replace=0");
        break;
    case StandInEvent::Kind::kNavigate:
        line = "navigate " + window + " " + QuoteForLog(event.address);
        break;
    case StandInEvent::Kind::kInsert:
        line =
            "insert " + window + " " + QuoteForLog(event.where) + " " + QuoteForLog(event.markup);
        break;
    case StandInEvent::Kind::kClick:
        line = "click " + window + " " + QuoteForLog(event.address) + " " + QuoteForLog(event.name);
        break;
    }
    return event.refused ? line + " refused" : line;
}

std::vector<std::string> DescribeReads(const StandInLog& log) {
    std::vector<std::string> lines;
    for (const auto& [what, count] : log.AllReads())
        lines.push_back("read " + what + " " + std::to_string(count));
    return lines;
}

std::vector<std::string> DescribeLog(const StandInLog& log) {
    std::vector<std::string> lines;
    for (const StandInEvent& event : log.Events())
        lines.push_back(DescribeEvent(event));
    for (const std::string& line : DescribeReads(log))
        lines.push_back(line);
    return lines;
}

} // namespace tandrel::standin
