// DYNARRAY: owned items, the slot array growing by GrowBy, one re-entrant
// lock around every operation.
#include "foundation/dynarray.h"

#include <cstdlib>
#include <new>

#include "foundation/log.h"

namespace {

constexpr int InitialSlots = 64;

STRING** NewSlots(int count) {
  return count > 0 ? new (std::nothrow) STRING*[static_cast<size_t>(count)]() : nullptr;
}

// What ItemAt gives for a position outside the array: a null string of the
// calling thread, cleared on every use.
STRING* Outside() {
  thread_local STRING outside;
  outside.Free();
  return &outside;
}

// Reports when ok is false; the condition's value.
bool Check(bool ok, const char* conditionText) {
  if (!ok) ReportAssertion(0, conditionText, __FILE__, __LINE__, nullptr, 0);
  return ok;
}

}  // namespace

int StrAtoi(const char* text) {
  const char* t = NullGuard(text, "atoi");
  return t != nullptr ? std::atoi(t) : 0;
}

DYNARRAY::DYNARRAY()
    : pLock(new (std::nothrow) CRITSECT), ppItems(NewSlots(InitialSlots)), ItemCount(0), MaxItems(InitialSlots),
      GrowBy(InitialSlots) {
  Check(pLock != nullptr, "pLock");
  Check(ppItems != nullptr, "this->ppItems");
  if (ppItems == nullptr) MaxItems = 0;
}

DYNARRAY::DYNARRAY(const STRING& text, const char* separators) : DYNARRAY() {
  for (int i = 0;; ++i) {
    STRING token = text.Token(i, separators, 0);
    if (token.Buffer == nullptr) break;
    Add(token);
  }
}

DYNARRAY::DYNARRAY(const DYNARRAY& other) : DYNARRAY() { CopyFrom(other); }

DYNARRAY& DYNARRAY::operator=(const DYNARRAY& other) {
  CopyFrom(other);
  return *this;
}

DYNARRAY::~DYNARRAY() {
  Clear();
  delete pLock;
}

int DYNARRAY::Compare(const STRING*, const STRING*, int) {
  ReportAssertion(0, "FALSE", __FILE__, __LINE__, nullptr, 0);
  return 0;
}

int DYNARRAY::CompareValues(const STRING* a, const STRING* b, int flags) {
  if (flags & 2) return StrAtoi(a->Buffer) - StrAtoi(b->Buffer);
  int n = a->StrLen < b->StrLen ? a->StrLen : b->StrLen;
  for (int i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(a->Buffer[i]), y = static_cast<unsigned char>(b->Buffer[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a->StrLen == b->StrLen ? 0 : (a->StrLen < b->StrLen ? -1 : 1);
}

int DYNARRAY::Count() const { return ItemCount; }

STRING* DYNARRAY::ItemAt(int i) {
  CRITSECTLOCK hold(pLock);
  STRING detail;
  if (i < 0 || i >= MaxItems) {
    detail.Format("i==%d", i);
    ReportAssertion(0, "i>=0 && i<this->MaxItems", __FILE__, __LINE__, detail.Buffer, 0);
    return Outside();
  }
  if (i >= ItemCount) {
    detail.Format("i==%d", i);
    ReportAssertion(0, "i<this->ItemCount", __FILE__, __LINE__, detail.Buffer, 0);
    return Outside();
  }
  return ppItems[i];
}

const STRING* DYNARRAY::ItemAt(int i) const { return const_cast<DYNARRAY*>(this)->ItemAt(i); }

bool DYNARRAY::Grow() {
  int step = GrowBy > 0 ? GrowBy : InitialSlots;
  STRING** slots = NewSlots(MaxItems + step);
  if (slots == nullptr) return false;
  for (int i = 0; i < ItemCount; ++i) slots[i] = ppItems[i];
  delete[] ppItems;
  ppItems = slots;
  MaxItems += step;
  return true;
}

void DYNARRAY::InsertAt(int pos, const STRING& s) {
  CRITSECTLOCK hold(pLock);
  if (pos < 0 || pos > ItemCount) {
    STRING detail;
    detail.Format("%d/%d", pos, ItemCount);
    ReportAssertion(0, "pos>=0 && pos<=this->ItemCount", __FILE__, __LINE__, detail.Buffer, 0);
    return;
  }
  if (ItemCount >= MaxItems) Grow();
  if (!Check(ItemCount < MaxItems, "this->ItemCount<this->MaxItems")) return;
  auto* item = new (std::nothrow) STRING(s);
  if (item == nullptr) {
    ReportAssertion(0, "buffer", __FILE__, __LINE__, nullptr, 0);
    return;
  }
  for (int i = ItemCount; i > pos; --i) ppItems[i] = ppItems[i - 1];
  ppItems[pos] = item;
  ++ItemCount;
}

void DYNARRAY::Add(const STRING& s) {
  CRITSECTLOCK hold(pLock);
  InsertAt(ItemCount, s);
}

void DYNARRAY::RemoveAt(int pos) {
  CRITSECTLOCK hold(pLock);
  if (!Check(pos >= 0 && pos < ItemCount, "pos>=0 && pos<this->ItemCount")) return;
  delete ppItems[pos];
  for (int i = pos; i < ItemCount - 1; ++i) ppItems[i] = ppItems[i + 1];
  ppItems[--ItemCount] = nullptr;
}

void DYNARRAY::Swap(int pos1, int pos2) {
  CRITSECTLOCK hold(pLock);
  bool ok1 = Check(pos1 >= 0 && pos1 < ItemCount, "pos1>=0 && pos1<this->ItemCount");
  bool ok2 = Check(pos2 >= 0 && pos2 < ItemCount, "pos2>=0 && pos2<this->ItemCount");
  if (!ok1 || !ok2) return;
  STRING* item = ppItems[pos1];
  ppItems[pos1] = ppItems[pos2];
  ppItems[pos2] = item;
}

void DYNARRAY::Clear() {
  CRITSECTLOCK hold(pLock);
  for (int i = 0; i < ItemCount; ++i) delete ppItems[i];
  delete[] ppItems;
  ppItems = nullptr;
  ItemCount = 0;
  MaxItems = 0;
}

void DYNARRAY::CopyFrom(const DYNARRAY& other) {
  if (&other == this) return;
  CRITSECTLOCK hold(pLock);
  CRITSECTLOCK holdOther(other.pLock);
  Clear();
  int slots = other.MaxItems > other.ItemCount ? other.MaxItems : other.ItemCount;
  ppItems = NewSlots(slots);
  if (!Check(slots == 0 || ppItems != nullptr, "this->ppItems")) return;
  MaxItems = slots;
  GrowBy = other.GrowBy;
  for (int i = 0; i < other.ItemCount; ++i) {
    ppItems[i] = new (std::nothrow) STRING(*other.ppItems[i]);
    if (ppItems[i] == nullptr) break;
    ItemCount = i + 1;
  }
}
