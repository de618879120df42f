// A recipe record from arbitrary bytes: fields, the recipe line, the export row, criteria.
#include "RecordHarness.h"

#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const recordharness::Views views{{recipes::listLine()}, recipes::exportColumns()};
    recordharness::run(recipes::recipeLayout(), views, data, size);
    return 0;
}
