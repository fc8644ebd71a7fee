#pragma once
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/ListView.h"

namespace kelvo {

class FakeListView : public ListView {
public:
    explicit FakeListView(std::string name = "list") : logTarget{nullptr, std::move(name)} {}

    int Count() const override { return static_cast<int>(rows.size()); }
    ListRow Row(int k) const override;
    void Insert(int k, const ListRow& row) override;
    void Remove(int k) override;
    void Clear() override;
    int Selected() const override { return selected; }
    void Select(int k) override;
    void AttachImages(ImageList* images) override;
    void Repaint() override;

    std::vector<ListRow> rows;
    int selected = 0;
    ImageList* attached = nullptr;
    int repaints = 0;
    LogTarget logTarget;
};

}  // namespace kelvo
