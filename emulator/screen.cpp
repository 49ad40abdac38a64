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
    // The rectangle clipped to the screen: its first row a run of cells,
    // every other row a copy of it.
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    if (left > right || top > bottom) return;
    size_t count = static_cast<size_t>(right - left + 1);
    cell* first = cells_.data() + static_cast<size_t>(top) * width_ + left;
    set_run(first, count, cell{printable(c), a});
    for (int y = top + 1; y <= bottom; ++y)
        std::memcpy(first + static_cast<size_t>(y - top) * width_, first, count * sizeof(cell));
}

void screen::copy_row(int x, int y, const screen& from, int from_x, int from_y, int count) {
    if (y < 0 || y >= height_) return;
    // The cells that land on this screen, and of those the ones `from` has.
    int begin = std::max(0, -x);
    int end = std::min(count, width_ - x);
    if (begin >= end) return;
    int have_begin = begin;
    int have_end = begin;
    if (from_y >= 0 && from_y < from.height_) {
        have_begin = std::clamp(-from_x, begin, end);
        have_end = std::clamp(from.width_ - from_x, have_begin, end);
    }
    cell* row = cells_.data() + static_cast<size_t>(y) * width_;
    const cell blank{' ', attr::normal};
    set_run(row + x + begin, static_cast<size_t>(have_begin - begin), blank);
    if (have_end > have_begin)
        std::memcpy(row + x + have_begin,
                    from.cells_.data() + static_cast<size_t>(from_y) * from.width_ + from_x + have_begin,
                    static_cast<size_t>(have_end - have_begin) * sizeof(cell));
    set_run(row + x + have_end, static_cast<size_t>(end - have_end), blank);
}

void screen::double_box(int left, int top, int right, int bottom, attr a, std::string_view title) {
    // The border first, the title over it, so that a '-' in the title stays.
    single_box(left, top, right, bottom, a, {}, a);
    fill(left + 1, top, right - 1, top, double_horizontal, a);
    if (bottom != top) fill(left + 1, bottom, right - 1, bottom, double_horizontal, a);
    if (!title.empty()) single_box_title(left, top, right, title, a);
}

void screen::single_box(int left, int top, int right, int bottom, attr a, std::string_view title,
                        attr title_attr) {
    if (right < left || bottom < top) return;
    fill(left + 1, top, right - 1, top, single_horizontal, a);
    fill(left + 1, bottom, right - 1, bottom, single_horizontal, a);
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
    rows.reserve(static_cast<size_t>(height_));
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
