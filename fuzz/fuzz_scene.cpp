// Scene scripts: loading, validation and the save text of whatever loads.
#include "FuzzSupport.h"
#include "scene/SceneScript.h"
#include "scene/SceneValidation.h"
#include "scene/ScriptFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    const std::string path = folder.Write("input.vgs", data, size);
    SceneParameters scene;
    if (LoadScene(path, scene)) {
        (void)ValidateScene(scene);
        WriteScene(scene, folder.File("copy.vgs"));
        CopyScene(path, folder.File("copy2.vgs"));
        double x = 0, y = 0;
        for (int i = 0; i < 100 && ScriptFile(path).GetPathPoint(i, x, y); ++i) {
        }
    }
    return 0;
}
