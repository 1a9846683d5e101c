// Node storage for the framework's lists and maps: nodes come from blocks of
// a chosen number of nodes, so a node's address (a POSITION) stays valid
// until that node itself is removed, and adding elements costs one
// allocation per block rather than one per element.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "windef.h"

namespace afx::detail {

template <class Node>
class NodePool {
public:
    explicit NodePool(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1) {}
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    template <class... Args>
    Node* New(Args&&... args) {
        if (m_pFree == nullptr) Grow();
        Slot* pSlot = m_pFree;
        m_pFree = pSlot->pNextFree;
        try {
            return ::new (static_cast<void*>(pSlot->storage)) Node(std::forward<Args>(args)...);
        } catch (...) {
            Free(pSlot);
            throw;
        }
    }

    void Delete(Node* pNode) {
        pNode->~Node();
        Free(reinterpret_cast<Slot*>(pNode));
    }

    // Gives every block back; only when no node is alive.
    void Reset() {
        m_blocks.clear();
        m_pFree = nullptr;
    }

private:
    union Slot {
        Slot* pNextFree;
        alignas(Node) unsigned char storage[sizeof(Node)];
    };

    void Free(Slot* pSlot) {
        pSlot->pNextFree = m_pFree;
        m_pFree = pSlot;
    }

    void Grow() {
        auto block = std::make_unique<Slot[]>(static_cast<std::size_t>(m_nBlockSize));
        for (INT_PTR i = m_nBlockSize; i-- > 0;) Free(&block[i]);
        m_blocks.push_back(std::move(block));
    }

    INT_PTR m_nBlockSize;
    Slot* m_pFree = nullptr;
    std::vector<std::unique_ptr<Slot[]>> m_blocks;
};

}  // namespace afx::detail
