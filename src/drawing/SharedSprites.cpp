#include "drawing/SharedSprites.h"

#include <string>

namespace {

constexpr std::int32_t kQuiet = 0;

void loadSprite(Sprite& sprite, const platform::ResourceLibrary* module, const std::string& name)
{
    sprite.loadImage(module, name.c_str(), kQuiet);
    sprite.loadMask(module, (name + "_mask").c_str(), kQuiet);
}

} // namespace

SharedSprites& sharedSprites()
{
    static SharedSprites sprites;
    return sprites;
}

void loadSharedSprites(const platform::ResourceLibrary* module)
{
    SharedSprites& sprites = sharedSprites();
    loadSprite(sprites.eq, module, "eq");
    loadSprite(sprites.ecc, module, "ecc");
    loadSprite(sprites.obs, module, "obs");
    loadSprite(sprites.earth, module, "earth");
    loadSprite(sprites.star, module, "star");
    loadSprite(sprites.sun, module, "sun");
    loadSprite(sprites.planet, module, "planet");
    loadSprite(sprites.comet, module, "comet");
    sprites.matchBefore.loadFromResource(module, "matchBefore", kQuiet);
    loadSprite(sprites.matchNow, module, "matchNow");
    sprites.matchAfter.loadFromResource(module, "matchAfter", kQuiet);
}
