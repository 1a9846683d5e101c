// Random sequences of child operations against a plain vector that plays the
// list; under the sanitizer build this also shows that no sequence leaks or
// touches a destroyed record.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "toolbar/MenuInfo.h"

namespace {

std::vector<int> Ids(const CMenuInfo& group) {
    std::vector<int> ids;
    for (POSITION pos = group.m_listChild.GetHeadPosition(); pos != nullptr;)
        ids.push_back(std::stoi(group.m_listChild.GetNext(pos)->m_strScreenNo.GetString()));
    return ids;
}

CMenuInfo* NewScreen(int nId) {
    auto* pScreen = new CMenuInfo;
    pScreen->m_strScreenNo = std::to_string(nId);
    pScreen->m_listChild.AddTail(new CMenuInfo);  // a grandchild, so that ownership runs deep
    return pScreen;
}

bool Throws(const std::function<void()>& operation) {
    try {
        operation();
    } catch (CInvalidArgException* pException) {
        pException->Delete();
        return true;
    }
    return false;
}

TEST(MenuInfoRandom, ChildOperationsMatchAPlainList) {
    std::mt19937 random(20240611);
    auto pick = [&](int nLow, int nHigh) {
        return std::uniform_int_distribution(nLow, nHigh)(random);
    };

    CMenuInfo group;
    std::vector<int> model;
    int nNextId = 0;
    for (int nStep = 0; nStep < 20000; ++nStep) {
        const int n = static_cast<int>(model.size());
        const int nIndex = pick(-1, n);
        const bool bValid = nIndex >= 0 && nIndex < n;
        auto insertAfter = [&](int nAfter, int nId) {
            const auto at =
                nAfter >= 0 && nAfter < static_cast<int>(model.size()) ? nAfter + 1 : model.size();
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), nId);
        };
        switch (pick(0, 9)) {
            case 0:
            case 1: {  // a new screen, or a duplicate that stays with the caller
                const bool bDuplicate = n > 0 && pick(0, 3) == 0;
                const int nId =
                    bDuplicate ? model[static_cast<std::size_t>(pick(0, n - 1))] : nNextId++;
                CMenuInfo* pScreen = NewScreen(nId);
                const int nAfter = pick(-2, n + 1);
                ASSERT_EQ(group.AddChild(pScreen, nAfter), !bDuplicate);
                if (bDuplicate)
                    delete pScreen;
                else
                    insertAfter(nAfter, nId);
                break;
            }
            case 2:
                ASSERT_EQ(Throws([&] { group.DeleteChild(nIndex); }), !bValid);
                if (bValid) model.erase(model.begin() + nIndex);
                break;
            case 3: {  // out and back in elsewhere
                CMenuInfo* pDetached = nullptr;
                ASSERT_EQ(Throws([&] { pDetached = group.DetachChild(nIndex); }), !bValid);
                if (!bValid) break;
                const int nId = model[static_cast<std::size_t>(nIndex)];
                model.erase(model.begin() + nIndex);
                const int nAfter = pick(-1, n);
                ASSERT_TRUE(group.AddChild(pDetached, nAfter));
                insertAfter(nAfter, nId);
                break;
            }
            case 4:
            case 5: {
                const int nFrom = pick(-1, n), nTo = pick(-1, n), nCount = pick(-1, 35);
                const bool bInside = nFrom >= 0 && nFrom < n && nTo >= 0 && nTo < n;
                const int nRun = bInside ? std::min(nCount, n - nFrom) : 0;
                const bool bMoves =
                    bInside && nFrom != nTo && nRun > 0 && !(nTo > nFrom && nTo < nFrom + nRun);
                ASSERT_EQ(group.MoveChildren(nFrom, nTo, nCount), bMoves);
                if (!bMoves) break;
                const int nAnchor = model[static_cast<std::size_t>(nTo)];
                std::vector<int> run(model.begin() + nFrom, model.begin() + nFrom + nRun);
                model.erase(model.begin() + nFrom, model.begin() + nFrom + nRun);
                const auto anchor = std::find(model.begin(), model.end(), nAnchor);
                model.insert(anchor + 1, run.rbegin(), run.rend());
                break;
            }
            case 6:
            case 7: {
                const int nMove = pick(0, 3);
                ASSERT_EQ(Throws([&] {
                              if (nMove == 0) group.MoveChildToTop(nIndex);
                              if (nMove == 1) group.MoveChildUp(nIndex);
                              if (nMove == 2) group.MoveChildDown(nIndex);
                              if (nMove == 3) group.MoveChildToBottom(nIndex);
                          }),
                          !bValid);
                if (!bValid) break;
                const int nId = model[static_cast<std::size_t>(nIndex)];
                model.erase(model.begin() + nIndex);
                const int nTarget = std::array{0, std::max(nIndex - 1, 0),
                                               std::min(nIndex + 1, n - 1), n - 1}[nMove];
                model.insert(model.begin() + nTarget, nId);
                break;
            }
            case 8: {  // a copy appends behind what a record already holds
                CMenuInfo copy;
                copy.m_listChild.AddTail(NewScreen(-1));
                copy = group;
                std::vector<int> expected{-1};
                expected.insert(expected.end(), model.begin(), model.end());
                ASSERT_EQ(Ids(copy), expected);
                break;
            }
            case 9:
                if (pick(0, 20) == 0) {
                    group.DeleteAllChildren();
                    model.clear();
                }
                break;
        }
        ASSERT_EQ(Ids(group), model) << "step " << nStep;
    }
}

// A screen number is an identifier: one that differs in letter case only
// names another screen.
TEST(MenuInfoRandom, DuplicateScreenNumbersCountLetterCase) {
    CMenuInfo group;
    for (const char* pszNo : {"0A61", "0a61"}) {
        auto* pScreen = new CMenuInfo;
        pScreen->m_strScreenNo = pszNo;
        ASSERT_TRUE(group.AddChild(pScreen, -1)) << pszNo;
    }
    CMenuInfo twin;
    twin.m_strScreenNo = "0a61";
    EXPECT_FALSE(group.AddChild(&twin, -1));
}

}  // namespace
