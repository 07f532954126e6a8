#include "app/web/page/page_phone.h"

#include <cstring>

namespace {

constexpr std::size_t kControls = std::size(kDialogControls);
constexpr std::size_t kNone = kControls;

// The label a box's accessible name comes from, by its index, or kNone.
std::size_t LabelOf(std::size_t box)
{
    const char* label = BoxOf(kDialogControls[box].id).label;
    for (std::size_t i = 0; i < kControls; ++i) {
        const ControlDescription& control = kDialogControls[i];
        if (control.windowClass == ControlClass::Static && std::strcmp(control.text, label) == 0)
            return i;
    }
    return kNone;
}

bool IsLabelOfABox(std::size_t index)
{
    for (std::size_t box = 0; box < kControls; ++box) {
        if (kDialogControls[box].windowClass == ControlClass::Edit && LabelOf(box) == index)
            return true;
    }
    return false;
}

// On the template, between the two boxes and level with them.
bool StandsBetween(std::size_t middle, std::size_t left, std::size_t right)
{
    const DialogUnitRect &m = kDialogControls[middle].rect, &l = kDialogControls[left].rect,
                         &r = kDialogControls[right].rect;
    return l.x + l.cx <= m.x && m.x + m.cx <= r.x && m.y < l.y + l.cy && l.y < m.y + m.cy;
}

struct Layout {
    PhonePlaces places{};
    int rows = 0;
    std::size_t lastBox = kNone;
    std::size_t lastButton = kNone;

    // Beside the box before it if they share a label, else below its label.
    void PlaceBox(std::size_t index)
    {
        const std::size_t label = LabelOf(index);
        if (lastBox != kNone && label != kNone && LabelOf(lastBox) == label) {
            places[lastBox].column = 1;
            places[index] = {places[lastBox].row, 3};
        } else {
            if (label != kNone) places[label] = {++rows, kWholeRow};
            places[index] = {++rows, kWholeRow};
        }
        lastBox = index;
    }

    void PlaceButton(std::size_t index)
    {
        if (lastButton != kNone && places[lastButton].column == 1)
            places[index] = {places[lastButton].row, 3};
        else
            places[index] = {++rows, 1};
        lastButton = index;
    }

    // Between the two boxes of a shared row, or on a row of its own.
    void PlaceStatic(std::size_t index)
    {
        for (std::size_t left = 0; left < kControls; ++left) {
            for (std::size_t right = 0; right < kControls; ++right) {
                if (IsBoxAt(left, 1) && IsBoxAt(right, 3) &&
                    places[left].row == places[right].row && StandsBetween(index, left, right)) {
                    places[index] = {places[left].row, kBetweenColumn};
                    return;
                }
            }
        }
        places[index] = {++rows, kWholeRow};
    }

    bool IsBoxAt(std::size_t index, int column) const
    {
        return kDialogControls[index].windowClass == ControlClass::Edit &&
               places[index].column == column;
    }
};

}  // namespace

PhonePlaces PhoneLayout()
{
    Layout layout;
    for (std::size_t i = 0; i < kControls; ++i) {
        const ControlClass windowClass = kDialogControls[i].windowClass;
        if (windowClass == ControlClass::Edit)
            layout.PlaceBox(i);
        else if (windowClass == ControlClass::Button)
            layout.PlaceButton(i);
        else if (!IsLabelOfABox(i))
            layout.PlaceStatic(i);
    }
    return layout.places;
}
