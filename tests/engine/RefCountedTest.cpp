// The intrusive reference count.
#include <gtest/gtest.h>

#include "engine/RefCounted.h"

namespace {

class Counted : public RefCounted {
 public:
  explicit Counted(int* deaths) : deaths_(deaths) {}

 protected:
  ~Counted() override { ++*deaths_; }

 private:
  int* deaths_;
};

TEST(RefCountedTest, DeletesItselfWhenTheLastReferenceGoes) {
  int deaths = 0;
  auto* object = new Counted(&deaths);
  EXPECT_EQ(object->GetRefCount(), 1u);
  object->AddRef();
  object->AddRef();
  EXPECT_EQ(object->GetRefCount(), 3u);
  object->Release();
  object->Release();
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(object->GetRefCount(), 1u);
  object->Release();
  EXPECT_EQ(deaths, 1);
}

}  // namespace
