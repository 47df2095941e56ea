// SPDX-License-Identifier: GPL-3.0-or-later
// Before any Qt header: Qt's "signals" keyword would clash with a field of GIO's.
#include <libgweather/gweather.h>

#include "places/CitySources.h"
#include <dlfcn.h>

// The library is opened at the first search, not linked: linking it would load it and the thirty libraries it
// needs (HTTP, XML, geocoding) at every start of the program, and a machine without it still gets the zone tables'
// cities.
namespace {

constexpr char LibraryName[] = "libgweather-4.so.0";

struct Api
{
    decltype(&gweather_location_get_world) getWorld = nullptr;
    decltype(&gweather_location_next_child) nextChild = nullptr;
    decltype(&gweather_location_get_level) getLevel = nullptr;
    decltype(&gweather_location_get_parent) getParent = nullptr;
    decltype(&gweather_location_has_coords) hasCoords = nullptr;
    decltype(&gweather_location_get_coords) getCoords = nullptr;
    decltype(&gweather_location_get_name) getName = nullptr;
    decltype(&gweather_location_get_english_name) getEnglishName = nullptr;
    decltype(&gweather_location_get_country_name) getCountryName = nullptr;
    decltype(&gweather_location_get_timezone_str) getTimezone = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_free) free = nullptr;

    template <typename F> bool bind(void* library, F& function, const char* name)
    {
        function = reinterpret_cast<F>(dlsym(library, name));
        return function != nullptr;
    }

    // Kept open for the rest of the run: the objects it made stay valid only while it is.
    bool open()
    {
        void* library = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        return bind(library, getWorld, "gweather_location_get_world") &&
               bind(library, nextChild, "gweather_location_next_child") &&
               bind(library, getLevel, "gweather_location_get_level") &&
               bind(library, getParent, "gweather_location_get_parent") &&
               bind(library, hasCoords, "gweather_location_has_coords") &&
               bind(library, getCoords, "gweather_location_get_coords") &&
               bind(library, getName, "gweather_location_get_name") &&
               bind(library, getEnglishName, "gweather_location_get_english_name") &&
               bind(library, getCountryName, "gweather_location_get_country_name") &&
               bind(library, getTimezone, "gweather_location_get_timezone_str") &&
               bind(library, unref, "g_object_unref") && bind(library, free, "g_free");
    }
};

QString textOf(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

class Walk
{
public:
    Walk(const Api& api, std::vector<City>& cities) : m_api(api), m_cities(cities) {}

    // Regions, countries and states hold the cities; a city's own children are its weather stations.
    void collect(GWeatherLocation* parent)
    {
        GWeatherLocation* child = nullptr;
        while ((child = m_api.nextChild(parent, child)) != nullptr) {
            switch (m_api.getLevel(child)) {
            case GWEATHER_LOCATION_CITY:
                addCity(child);
                break;
            case GWEATHER_LOCATION_WORLD:
            case GWEATHER_LOCATION_REGION:
            case GWEATHER_LOCATION_COUNTRY:
            case GWEATHER_LOCATION_ADM1:
                collect(child);
                break;
            default:
                break;
            }
        }
    }

private:
    QString takeText(char* text) const
    {
        const QString out = textOf(text);
        m_api.free(text);
        return out;
    }

    void addCity(GWeatherLocation* location)
    {
        if (!m_api.hasCoords(location))
            return;
        City city;
        city.name = textOf(m_api.getName(location));
        city.country = takeText(m_api.getCountryName(location));
        m_api.getCoords(location, &city.latitude, &city.longitude);
        city.zone = textOf(m_api.getTimezone(location));
        if (GWeatherLocation* parent = m_api.getParent(location)) {
            // A state tells apart cities of one name; one named as its city ("Berlin, Berlin") tells nothing.
            if (m_api.getLevel(parent) == GWEATHER_LOCATION_ADM1)
                city.region = textOf(m_api.getName(parent));
            if (city.region == city.name)
                city.region.clear();
            m_api.unref(parent);
        }
        city.keys.append(cityKey(city.name));
        const QString english = cityKey(textOf(m_api.getEnglishName(location)));
        if (!english.isEmpty() && english != city.keys.first())
            city.keys.append(english);
        m_cities.push_back(city);
    }

    const Api& m_api;
    std::vector<City>& m_cities;
};

} // namespace

bool places::databaseBuiltIn()
{
    return true;
}

bool places::haveLocationsDatabase()
{
    static const bool found = dlopen(LibraryName, RTLD_LAZY | RTLD_NOLOAD) != nullptr || Api().open();
    return found;
}

std::vector<City> places::databaseCities()
{
    std::vector<City> cities;
    Api api;
    if (!api.open())
        return cities;
    GWeatherLocation* world = api.getWorld();
    if (!world)
        return cities;
    Walk(api, cities).collect(world);
    api.unref(world);
    return cities;
}
