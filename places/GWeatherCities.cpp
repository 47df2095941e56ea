// Before any Qt header: Qt's "signals" keyword would clash with a field of GIO's.
#include <libgweather/gweather.h>

#include "places/CitySources.h"

namespace {

QString textOf(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString takeText(char* text)
{
    const QString out = textOf(text);
    g_free(text);
    return out;
}

void addCity(GWeatherLocation* location, std::vector<City>& cities)
{
    if (!gweather_location_has_coords(location))
        return;
    City city;
    city.name = textOf(gweather_location_get_name(location));
    city.country = takeText(gweather_location_get_country_name(location));
    gweather_location_get_coords(location, &city.latitude, &city.longitude);
    city.zone = textOf(gweather_location_get_timezone_str(location));
    if (GWeatherLocation* parent = gweather_location_get_parent(location)) {
        // A state tells apart cities of one name; one named as its city ("Berlin, Berlin") tells nothing.
        if (gweather_location_get_level(parent) == GWEATHER_LOCATION_ADM1)
            city.region = textOf(gweather_location_get_name(parent));
        if (city.region == city.name)
            city.region.clear();
        g_object_unref(parent);
    }
    city.keys.append(cityKey(city.name));
    const QString english = cityKey(textOf(gweather_location_get_english_name(location)));
    if (!english.isEmpty() && english != city.keys.first())
        city.keys.append(english);
    cities.push_back(city);
}

// Regions, countries and states hold the cities; a city's own children are its weather stations.
void collect(GWeatherLocation* parent, std::vector<City>& cities)
{
    GWeatherLocation* child = nullptr;
    while ((child = gweather_location_next_child(parent, child)) != nullptr) {
        switch (gweather_location_get_level(child)) {
        case GWEATHER_LOCATION_CITY:
            addCity(child, cities);
            break;
        case GWEATHER_LOCATION_WORLD:
        case GWEATHER_LOCATION_REGION:
        case GWEATHER_LOCATION_COUNTRY:
        case GWEATHER_LOCATION_ADM1:
            collect(child, cities);
            break;
        default:
            break;
        }
    }
}

} // namespace

bool places::haveLocationsDatabase()
{
    return true;
}

std::vector<City> places::databaseCities()
{
    std::vector<City> cities;
    GWeatherLocation* world = gweather_location_get_world();
    if (!world)
        return cities;
    collect(world, cities);
    g_object_unref(world);
    return cities;
}
