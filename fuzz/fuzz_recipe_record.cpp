// A recipe record from arbitrary bytes. The recipe list line and export columns belong to the
// window library; here the layout, the fields and the find criteria.
#include "RecordHarness.h"

#include "recipes/RecipeRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    recordharness::run(recipes::recipeLayout(), {}, data, size);
    return 0;
}
