// Image lists built from bitmaps with mask colours, counted as Windows counts
// them and drawn as the state images of a tree.
#include <QColor>

#include <gtest/gtest.h>

#include <vector>

#include "HostWnd.h"

namespace {

constexpr int kSize = 16;

// The pictures of the two bitmap resources: each 16 x 16 picture is filled
// with its colour inside a frame of two pixels in the strip's mask colour.
const std::vector<QColor> kFirst = {QColor(255, 0, 0), QColor(0, 255, 0)};
const std::vector<QColor> kSecond = {QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 0, 255),
                                     QColor(0, 255, 255), QColor(128, 0, 0)};

// The seven pictures of the two strips, as the dialogs' trees build them:
// the first strip with mask colour RGB(9, 0, 0), the second with RGB(0, 128, 128).
class StateImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(images.Create(kSize, kSize, ILC_COLOR8 | ILC_MASK, 2, 1));
        ASSERT_TRUE(first.LoadBitmap(7101));
        ASSERT_TRUE(second.LoadBitmap(7102));
    }

    // Which picture a state image index shows: index i is picture i, 0 none.
    static QColor Picture(int index) { return index < 2 ? kFirst[index] : kSecond[index - 2]; }

    CImageList images;
    CBitmap first;
    CBitmap second;
    HostWnd host;
};

TEST_F(StateImagesTest, ATreeShowsThePictureOfEachStateIndex) {
    EXPECT_EQ(images.Add(&first, RGB(9, 0, 0)), 0);
    EXPECT_EQ(images.Add(&second, RGB(0, 128, 128)), 2);
    EXPECT_EQ(images.GetImageCount(), 7);
    // A bitmap that did not load adds nothing.
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4711));
    EXPECT_EQ(images.Add(&missing, RGB(0, 0, 0)), -1);
    EXPECT_EQ(images.GetImageCount(), 7);
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT,
                            CRect(0, 0, 200, 200), &host, 1034));
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_STATE), nullptr);
    EXPECT_EQ(tree.GetImageList(TVSIL_STATE), &images);
    const int indices[] = {1, 2, 4, 5, 0};
    std::vector<HTREEITEM> items;
    for (int index : indices) {
        items.push_back(tree.InsertItem(TVIF_TEXT | TVIF_STATE, "item", 0, 0,
                                        INDEXTOSTATEIMAGEMASK(index), TVIS_STATEIMAGEMASK, 0,
                                        TVI_ROOT, TVI_LAST));
    }
    const QImage image = Grab(tree);
    const QColor window = SysColour(COLOR_WINDOW);
    const int indent = static_cast<int>(tree.GetIndent());
    for (size_t i = 0; i < items.size(); ++i) {
        CRect label;
        ASSERT_TRUE(tree.GetItemRect(items[i], &label, TRUE));
        const int mid = (label.top + label.bottom) / 2;
        if (indices[i] == 0) {
            // No state image: the label starts where the picture would.
            EXPECT_EQ(label.left, indent);
            continue;
        }
        const int left = label.left - kSize;
        EXPECT_TRUE(Near(image.pixelColor(left + 8, mid), Picture(indices[i]))) << indices[i];
        // The masked frame lets the window show through.
        EXPECT_TRUE(Near(image.pixelColor(left, mid), window)) << indices[i];
    }
}

}  // namespace
