#include "screen.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace tolvik::emu {

namespace {

// Box drawing in plain ASCII so golden files stay readable anywhere.
constexpr char corner = '+';
constexpr char double_horizontal = '=';
constexpr char single_horizontal = '-';
constexpr char vertical = '|';

char printable(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u < 0x20 || u == 0x7F) ? '?' : c;
}

// Sets `count` cells from `first` to `value`: the first one, then copies of
// the run set so far, which doubles it each time (a few block copies where
// a loop would check every cell it stores).
template <class cell_type>
void set_run(cell_type* first, size_t count, cell_type value) {
    if (count == 0) return;
    first[0] = value;
    for (size_t done = 1; done < count;) {
        size_t more = std::min(done, count - done);
        std::memcpy(first + done, first, more * sizeof(cell_type));
        done += more;
    }
}

}  // namespace

screen::screen(int width, int height) { resize(width, height); }

void screen::resize(int width, int height) {
    width_ = std::clamp(width, 1, 1000);
    height_ = std::clamp(height, 1, 1000);
    cells_.assign(static_cast<size_t>(width_) * height_, cell{' ', attr::normal});
}

void screen::clear(attr a) { set_run(cells_.data(), cells_.size(), cell{' ', a}); }

void screen::put(int x, int y, char c, attr a) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    cells_[static_cast<size_t>(y) * width_ + x] = cell{printable(c), a};
}

void screen::text(int x, int y, std::string_view text, attr a, int max_width) {
    size_t count = text.size();
    if (max_width >= 0) count = std::min(count, static_cast<size_t>(max_width));
    for (size_t i = 0; i < count; ++i) put(x + static_cast<int>(i), y, text[i], a);
}

void screen::fill(int left, int top, int right, int bottom, char c, attr a) {
    // The rectangle clipped to the screen, then whole runs of cells.
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    if (left > right) return;
    const cell value{printable(c), a};
    for (int y = top; y <= bottom; ++y)
        set_run(cells_.data() + static_cast<size_t>(y) * width_ + left, static_cast<size_t>(right - left + 1),
                value);
}

void screen::double_box(int left, int top, int right, int bottom, attr a, std::string_view title) {
    // The border first, the title over it, so that a '-' in the title stays.
    single_box(left, top, right, bottom, a, {}, a);
    for (int x = left + 1; x < right; ++x) {
        put(x, top, double_horizontal, a);
        if (bottom != top) put(x, bottom, double_horizontal, a);
    }
    if (!title.empty()) single_box_title(left, top, right, title, a);
}

void screen::single_box(int left, int top, int right, int bottom, attr a, std::string_view title,
                        attr title_attr) {
    if (right < left || bottom < top) return;
    for (int x = left + 1; x < right; ++x) {
        put(x, top, single_horizontal, a);
        put(x, bottom, single_horizontal, a);
    }
    for (int y = top + 1; y < bottom; ++y) {
        put(left, y, vertical, a);
        put(right, y, vertical, a);
    }
    put(left, top, corner, a);
    put(right, top, corner, a);
    put(left, bottom, corner, a);
    put(right, bottom, corner, a);
    if (!title.empty()) single_box_title(left, top, right, title, title_attr);
}

void screen::single_box_title(int left, int top, int right, std::string_view title, attr title_attr) {
    // " title " centred between the corners, cut to fit.
    int room = right - left - 1 - 2;
    if (room <= 0) return;
    int length = std::min(static_cast<int>(title.size()), room);
    int start = left + 1 + (right - left - 1 - (length + 2)) / 2;
    put(start, top, ' ', title_attr);
    text(start + 1, top, title.substr(0, length), title_attr);
    put(start + 1 + length, top, ' ', title_attr);
}

void screen::set_row_cells(int y, std::string_view cells) {
    if (y < 0 || y >= height_) return;
    size_t count = std::min(cells.size() / sizeof(cell), static_cast<size_t>(width_));
    std::memcpy(cells_.data() + static_cast<size_t>(y) * width_, cells.data(), count * sizeof(cell));
}

char screen::char_at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return '\0';
    return cells_[static_cast<size_t>(y) * width_ + x].c;
}

attr screen::attr_at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return attr::normal;
    return cells_[static_cast<size_t>(y) * width_ + x].a;
}

int screen::trimmed_length(int y) const {
    int length = width_;
    while (length > 0) {
        const cell& c = cells_[static_cast<size_t>(y) * width_ + length - 1];
        if (c.c != ' ' || c.a != attr::normal) break;
        --length;
    }
    return length;
}

std::vector<std::string> screen::text_rows() const {
    std::vector<std::string> rows;
    for (int y = 0; y < height_; ++y) rows.push_back(row(y));
    return rows;
}

std::vector<std::string> screen::attribute_rows() const {
    std::vector<std::string> rows;
    for (int y = 0; y < height_; ++y) {
        std::string line;
        int length = trimmed_length(y);
        for (int x = 0; x < length; ++x) line.push_back(static_cast<char>(attr_at(x, y)));
        rows.push_back(line);
    }
    return rows;
}

std::string screen::row(int y) const {
    if (y < 0 || y >= height_) return {};
    std::string line;
    for (int x = 0; x < width_; ++x) line.push_back(char_at(x, y));
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string screen::dump() const {
    std::string out;
    for (const std::string& line : text_rows()) out += line + '\n';
    return out;
}

std::string screen::dump_attributes() const {
    std::string out;
    for (const std::string& line : attribute_rows()) out += line + '\n';
    return out;
}

bool screen::shows(std::string_view text) const {
    if (text.empty()) return true;
    for (const std::string& line : text_rows())
        if (line.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace tolvik::emu
