#include "ui/exit/SupportMessage.h"

#include "web/PageAddress.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>

namespace ui {

int SupportMessageIndex(float r)
{
    const float k = std::floor(r * 4.0F);
    if (!(k >= 0.0F))
        return 0;
    return k >= 3.0F ? 3 : static_cast<int>(k);
}

std::string SupportMessage(int index)
{
    const std::string domain(web::SiteHost());
    switch (index) {
    case 0:
        return "Programs like this one can only be made and kept up to date with your support. The best way to "
               "support us is to visit our discussion board at "
            + domain + " regularly and join in its discussions and other activities.";
    case 2:
        return domain
            + " is a free online discussion forum for all things esoteric. Help the site develop and maintain this "
              "program by visiting it regularly.";
    case 3:
        return domain
            + " needs your help. Visit it regularly and take part in its discussions and activities, so that we can "
              "keep this program up to date and build more.";
    default:
        return "Please visit " + domain
            + " regularly and support it by joining in the discussions and other activities. We cannot support and "
              "maintain these programs unless you visit the site regularly.";
    }
}

float TimerSeededDraw()
{
    std::mt19937 generator(
        static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    // 24 random bits over 2^24: every value fits a float exactly and 1 is
    // never reached, which a float uniform distribution cannot promise.
    std::uniform_int_distribution<std::uint32_t> bits(0, (1U << 24) - 1);
    return static_cast<float>(bits(generator)) / 16777216.0F;
}

} // namespace ui
