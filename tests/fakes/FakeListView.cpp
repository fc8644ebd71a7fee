#include "fakes/FakeListView.h"

#include <stdexcept>

namespace kelvo {

namespace {
void CheckRow(int k, int last) {
    if (k < 1 || k > last) throw std::out_of_range("list view row " + std::to_string(k));
}
}  // namespace

ListRow FakeListView::Row(int k) const {
    CheckRow(k, Count());
    return rows[static_cast<std::size_t>(k - 1)];
}

void FakeListView::Insert(int k, const ListRow& row) {
    CheckRow(k, Count() + 1);
    logTarget.Note("Insert " + row.text);
    rows.insert(rows.begin() + (k - 1), row);
    if (selected >= k) ++selected;
}

void FakeListView::Remove(int k) {
    CheckRow(k, Count());
    logTarget.Note("Remove " + std::to_string(k));
    rows.erase(rows.begin() + (k - 1));
    if (selected == k) {
        selected = 0;
    } else if (selected > k) {
        --selected;
    }
}

void FakeListView::Clear() {
    logTarget.Note("Clear");
    rows.clear();
    selected = 0;
}

void FakeListView::Select(int k) {
    if (k != 0) CheckRow(k, Count());
    selected = k;
}

void FakeListView::AttachImages(ImageList* images) {
    logTarget.Note(images ? "AttachImages" : "DetachImages");
    attached = images;
}

void FakeListView::Repaint() {
    logTarget.Note("Repaint");
    ++repaints;
}

}  // namespace kelvo
