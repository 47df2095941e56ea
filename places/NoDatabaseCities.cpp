#include "places/CitySources.h"

bool places::haveLocationsDatabase()
{
    return false;
}

std::vector<City> places::databaseCities()
{
    return {};
}
