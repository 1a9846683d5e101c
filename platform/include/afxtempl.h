// The framework's collection templates: CList, CMap, CArray and the typed
// pointer list. Lists and maps hand out POSITIONs (node addresses) as the
// framework does; an index or position that names no element throws
// CInvalidArgException and leaves the collection as it was.
#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "afx.h"
#include "afxplex_.h"

// ---------------------------------------------------------------------------
// Element helpers, overridable per type as in the framework.

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
    return *pElement1 == *pElement2;
}

namespace afx::detail {
// The framework's string hash; bytes add as signed chars, as they do there,
// so CP949 text hashes to the same buckets.
inline UINT HashString(LPCSTR key) {
    ENSURE_ARG(key != nullptr);
    UINT nHash = 0;
    while (*key) nHash = (nHash << 5) + nHash + static_cast<UINT>(static_cast<int>(*key++));
    return nHash;
}
}  // namespace afx::detail

// Integral and pointer keys: the framework's minimal-standard generator step
// over the key's low 32 bits (Windows' long), which fixes the iteration order
// of a map. String keys use the string hash.
template <class ARG_KEY>
UINT HashKey(ARG_KEY key) {
    if constexpr (std::is_convertible_v<ARG_KEY, LPCSTR>) {
        return afx::detail::HashString(key);
    } else {
        std::int32_t nKey = 0;
        if constexpr (std::is_pointer_v<ARG_KEY>)
            nKey = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(key));
        else
            nKey = static_cast<std::int32_t>(key);
        const std::int64_t nQuot = nKey / 127773;
        std::int64_t nRem = nKey % 127773;
        nRem = 16807 * nRem - 2836 * nQuot;
        if (nRem < 0) nRem += 2147483647;
        return static_cast<UINT>(nRem);
    }
}
inline UINT HashKey(const CString& key) {
    return afx::detail::HashString(key);
}

// ---------------------------------------------------------------------------

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
    struct CNode {
        explicit CNode(ARG_TYPE value) : data(value) {}
        CNode* pNext = nullptr;
        CNode* pPrev = nullptr;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Head()->data; }
    const TYPE& GetHead() const { return Head()->data; }
    TYPE& GetTail() { return Tail()->data; }
    const TYPE& GetTail() const { return Tail()->data; }

    TYPE RemoveHead() {
        CNode* pNode = Head();
        TYPE value = pNode->data;
        Unlink(pNode);
        return value;
    }
    TYPE RemoveTail() {
        CNode* pNode = Tail();
        TYPE value = pNode->data;
        Unlink(pNode);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(newElement, nullptr, m_pNodeHead); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(newElement, m_pNodeTail, nullptr); }
    void AddHead(const CList* pNewList) {
        ENSURE_ARG(pNewList != nullptr);
        for (CNode* pNode = pNewList->m_pNodeTail; pNode; pNode = pNode->pPrev)
            AddHead(pNode->data);
    }
    void AddTail(const CList* pNewList) {
        ENSURE_ARG(pNewList != nullptr);
        for (CNode* pNode = pNewList->m_pNodeHead; pNode; pNode = pNode->pNext)
            AddTail(pNode->data);
    }

    void RemoveAll() {
        while (m_pNodeHead) {
            CNode* pNode = m_pNodeHead;
            m_pNodeHead = pNode->pNext;
            m_pool.Delete(pNode);
        }
        m_pNodeTail = nullptr;
        m_nCount = 0;
        m_pool.Reset();
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }

    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::pNext)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::pNext)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::pPrev)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::pPrev)->data; }

    TYPE& GetAt(POSITION position) { return At(position)->data; }
    const TYPE& GetAt(POSITION position) const { return At(position)->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { At(position)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(At(position)); }

    // A NULL position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr) return AddHead(newElement);
        CNode* pOld = At(position);
        return Link(newElement, pOld->pPrev, pOld);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr) return AddTail(newElement);
        CNode* pOld = At(position);
        return Link(newElement, pOld, pOld->pNext);
    }

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        CNode* pNode = startAfter ? At(startAfter)->pNext : m_pNodeHead;
        for (; pNode; pNode = pNode->pNext)
            if (CompareElements<TYPE>(&pNode->data, &searchValue)) return ToPosition(pNode);
        return nullptr;
    }
    // NULL for an index outside the list, as in the framework.
    POSITION FindIndex(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex-- > 0) pNode = pNode->pNext;
        return ToPosition(pNode);
    }

private:
    static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static CNode* At(POSITION position) {
        ENSURE_ARG(position != nullptr);
        return reinterpret_cast<CNode*>(position);
    }
    CNode* Head() const {
        ENSURE_ARG(m_pNodeHead != nullptr);
        return m_pNodeHead;
    }
    CNode* Tail() const {
        ENSURE_ARG(m_pNodeTail != nullptr);
        return m_pNodeTail;
    }
    static CNode* Step(POSITION& rPosition, CNode* CNode::*pLink) {
        CNode* pNode = At(rPosition);
        rPosition = ToPosition(pNode->*pLink);
        return pNode;
    }

    POSITION Link(ARG_TYPE newElement, CNode* pPrev, CNode* pNext) {
        CNode* pNode = m_pool.New(newElement);
        pNode->pPrev = pPrev;
        pNode->pNext = pNext;
        (pPrev ? pPrev->pNext : m_pNodeHead) = pNode;
        (pNext ? pNext->pPrev : m_pNodeTail) = pNode;
        ++m_nCount;
        return ToPosition(pNode);
    }
    void Unlink(CNode* pNode) {
        (pNode->pPrev ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
        (pNode->pNext ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
        m_pool.Delete(pNode);
        if (--m_nCount == 0) m_pool.Reset();
    }

    afx::detail::NodePool<CNode> m_pool;
    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

// ---------------------------------------------------------------------------

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
    struct CAssoc {
        explicit CAssoc(ARG_KEY k, UINT nHash) : nHashValue(nHash), key(k) {}
        CAssoc* pNext = nullptr;
        UINT nHashValue;
        KEY key;
        VALUE value{};
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    // Takes effect while the map is empty, as in the framework.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE) {
        ENSURE_ARG(m_nCount == 0 && nHashSize > 0);
        m_nHashTableSize = nHashSize;
        m_hashTable.clear();
        if (bAllocNow) m_hashTable.assign(nHashSize, nullptr);
    }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        const CAssoc* pAssoc = Find(key, HashKey(key));
        if (pAssoc == nullptr) return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }

    VALUE& operator[](ARG_KEY key) {
        const UINT nHash = HashKey(key);
        if (CAssoc* pAssoc = Find(key, nHash)) return pAssoc->value;
        if (m_hashTable.empty()) m_hashTable.assign(m_nHashTableSize, nullptr);
        CAssoc* pAssoc = m_pool.New(key, nHash);
        CAssoc*& rBucket = m_hashTable[nHash % m_nHashTableSize];
        pAssoc->pNext = rBucket;
        rBucket = pAssoc;
        if (++m_nCount > static_cast<INT_PTR>(m_nHashTableSize)) Grow();
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        if (m_hashTable.empty()) return FALSE;
        const UINT nHash = HashKey(key);
        for (CAssoc** ppAssoc = &m_hashTable[nHash % m_nHashTableSize]; *ppAssoc;
             ppAssoc = &(*ppAssoc)->pNext) {
            CAssoc* pAssoc = *ppAssoc;
            if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
                *ppAssoc = pAssoc->pNext;
                m_pool.Delete(pAssoc);
                if (--m_nCount == 0) RemoveAll();
                return TRUE;
            }
        }
        return FALSE;
    }

    void RemoveAll() {
        for (CAssoc*& rBucket : m_hashTable) {
            while (rBucket) {
                CAssoc* pAssoc = rBucket;
                rBucket = pAssoc->pNext;
                m_pool.Delete(pAssoc);
            }
        }
        m_hashTable.clear();
        m_nCount = 0;
        m_pool.Reset();
    }

    // Iteration visits the buckets in order and each bucket's chain from its
    // newest entry, which is the framework's order.
    POSITION GetStartPosition() const { return ToPosition(FirstFrom(0)); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        ENSURE_ARG(rNextPosition != nullptr);
        const CAssoc* pAssoc = reinterpret_cast<const CAssoc*>(rNextPosition);
        rKey = pAssoc->key;
        rValue = pAssoc->value;
        rNextPosition = ToPosition(
            pAssoc->pNext ? pAssoc->pNext : FirstFrom(pAssoc->nHashValue % m_nHashTableSize + 1));
    }

private:
    static POSITION ToPosition(const CAssoc* pAssoc) {
        return reinterpret_cast<POSITION>(const_cast<CAssoc*>(pAssoc));
    }
    CAssoc* FirstFrom(std::size_t nBucket) const {
        for (; nBucket < m_hashTable.size(); ++nBucket)
            if (m_hashTable[nBucket]) return m_hashTable[nBucket];
        return nullptr;
    }
    // More entries than buckets: the table grows to a prime beyond twice its
    // size, so look-ups stay short however large the map becomes. The
    // framework leaves the order of iteration unspecified; it changes here.
    void Grow() {
        static constexpr UINT kPrimes[] = {
            37u,      79u,      163u,      331u,      673u,      1361u,     2729u,      5471u,
            10949u,   21911u,   43853u,    87719u,    175447u,   350899u,   701819u,    1403641u,
            2807303u, 5614657u, 11229331u, 22458671u, 44917381u, 89834777u, 179669557u, 359339171u};
        UINT nNewSize = 0;
        for (const UINT nPrime : kPrimes) {
            if (nPrime / 2 > m_nHashTableSize) {
                nNewSize = nPrime;
                break;
            }
        }
        if (nNewSize == 0) return;  // already as large as it ever grows
        std::vector<CAssoc*> newTable(nNewSize, nullptr);
        for (CAssoc* pChain : m_hashTable) {
            while (pChain) {
                CAssoc* pAssoc = pChain;
                pChain = pAssoc->pNext;
                CAssoc*& rBucket = newTable[pAssoc->nHashValue % nNewSize];
                pAssoc->pNext = rBucket;
                rBucket = pAssoc;
            }
        }
        m_hashTable.swap(newTable);
        m_nHashTableSize = nNewSize;
    }
    CAssoc* Find(ARG_KEY key, UINT nHash) const {
        if (m_hashTable.empty()) return nullptr;
        for (CAssoc* pAssoc = m_hashTable[nHash % m_nHashTableSize]; pAssoc; pAssoc = pAssoc->pNext)
            if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) return pAssoc;
        return nullptr;
    }

    afx::detail::NodePool<CAssoc> m_pool;
    std::vector<CAssoc*> m_hashTable;  // bucket heads; the pool owns the nodes
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};

// ---------------------------------------------------------------------------

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return Size(); }
    INT_PTR GetCount() const { return Size(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return Size() - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/ = -1) {
        ENSURE_ARG(nNewSize >= 0);
        m_data.resize(static_cast<std::size_t>(nNewSize));
    }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { ElementAt(nIndex) = TYPE(newElement); }
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        ENSURE_ARG(nIndex >= 0);
        TYPE value(newElement);  // before growing: the argument may live in this array
        if (nIndex >= Size()) SetSize(nIndex + 1);
        m_data[static_cast<std::size_t>(nIndex)] = std::move(value);
    }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    INT_PTR Add(ARG_TYPE newElement) {
        m_data.push_back(TYPE(newElement));
        return Size() - 1;
    }
    INT_PTR Append(const CArray& src) {
        const INT_PTR nOldSize = Size();
        std::vector<TYPE> copy(src.m_data);  // src may be this array
        for (TYPE& value : copy) m_data.push_back(std::move(value));
        return nOldSize;
    }
    void Copy(const CArray& src) {
        if (&src != this) m_data = src.m_data;
    }
    // An index past the end grows the array first, as in the framework.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        ENSURE_ARG(nIndex >= 0 && nCount > 0);
        TYPE value(newElement);
        if (nIndex > Size()) SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<std::size_t>(nCount), value);
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        ENSURE_ARG(nIndex >= 0 && nCount >= 0 && nCount <= Size() - nIndex);
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    INT_PTR Size() const { return static_cast<INT_PTR>(m_data.size()); }
    std::size_t Checked(INT_PTR nIndex) const {
        ENSURE_ARG(nIndex >= 0 && nIndex < Size());
        return static_cast<std::size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};

// ---------------------------------------------------------------------------

// A list of pointers to one class over CObList (or another pointer list):
// elements go in and come out as TYPE.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE GetHead() const { return Cast(BASE_CLASS::GetHead()); }
    TYPE GetTail() const { return Cast(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return Cast(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return Cast(BASE_CLASS::RemoveTail()); }
    TYPE GetNext(POSITION& rPosition) const { return Cast(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const { return Cast(BASE_CLASS::GetPrev(rPosition)); }
    TYPE GetAt(POSITION position) const { return Cast(BASE_CLASS::GetAt(position)); }
    void SetAt(POSITION position, TYPE newElement) { BASE_CLASS::SetAt(position, newElement); }

    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(const CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(const CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
    POSITION InsertBefore(POSITION position, TYPE newElement) {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement) {
        return BASE_CLASS::InsertAfter(position, newElement);
    }

private:
    template <class P>
    static TYPE Cast(P p) {
        return static_cast<TYPE>(p);
    }
};

#include "afxcoll.h"
