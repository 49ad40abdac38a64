#include "call_log.h"

#include <cstdint>
#include <cstdio>

namespace tolvik::emu {
namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            char hex[8];
            (void)std::snprintf(hex, sizeof hex, "\\x%02X", u);  // four characters: always fits
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string to_string(const std::vector<int32_t>& numbers) {
    std::string out = "{";
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i) out += ", ";
        out += std::to_string(numbers[i]);
    }
    return out + "}";
}

std::string call_entry::describe() const {
    std::string out = kind == call_kind::export_call ? "export " : "";
    out += service + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) out += ", ";
        out += std::to_string(args[i]);
    }
    out += ")";
    if (!values.empty()) out += " values " + to_string(values);
    for (const std::string& text : texts) out += " " + quoted(text);
    if (has_result) out += " -> " + std::to_string(result);
    return out;
}

size_t call_log::add(call_entry entry) {
    if (!recording_) return SIZE_MAX;
    entry.depth = depth_;
    entries_.push_back(std::move(entry));
    return entries_.size() - 1;
}

size_t call_log::add(call_kind kind, std::string_view service, std::vector<int32_t> args,
                     std::vector<int32_t> values, std::vector<std::string> texts) {
    if (!recording_) return SIZE_MAX;
    call_entry entry;
    entry.kind = kind;
    entry.service = std::string(service);
    entry.args = std::move(args);
    entry.values = std::move(values);
    entry.texts = std::move(texts);
    return add(std::move(entry));
}

void call_log::set_result(size_t index, int32_t result) {
    if (index >= entries_.size()) return;
    entries_[index].result = result;
    entries_[index].has_result = true;
}

size_t call_log::count(std::string_view service) const {
    size_t n = 0;
    for (const call_entry& entry : entries_) n += entry.service == service;
    return n;
}

std::vector<call_entry> call_log::calls_to(std::string_view service) const {
    std::vector<call_entry> out;
    for (const call_entry& entry : entries_)
        if (entry.service == service) out.push_back(entry);
    return out;
}

const call_entry* call_log::last(std::string_view service) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->service == service) return &*it;
    return nullptr;
}

namespace {

// Argument `position` of every service call named `service` (0 when absent).
std::vector<int32_t> argument_of(const std::vector<call_entry>& entries, std::string_view service,
                                 size_t position) {
    std::vector<int32_t> out;
    for (const call_entry& entry : entries)
        if (entry.kind == call_kind::service && entry.service == service)
            out.push_back(position < entry.args.size() ? entry.args[position] : 0);
    return out;
}

}  // namespace

std::vector<int32_t> call_log::panel_commands() const {
    return argument_of(entries_, service::panel_control, 1);
}

std::vector<int32_t> call_log::message_lookups() const {
    return argument_of(entries_, service::get_message, 1);
}

std::string call_log::to_string() const {
    std::string out;
    for (size_t i = 0; i < entries_.size(); ++i) {
        out += std::to_string(i) + ": " + std::string(static_cast<size_t>(entries_[i].depth) * 2, ' ');
        out += entries_[i].describe() + "\n";
    }
    return out;
}

}  // namespace tolvik::emu
