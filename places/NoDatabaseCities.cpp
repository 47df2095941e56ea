#include "places/CitySources.h"

bool places::databaseBuiltIn()
{
    return false;
}

bool places::haveLocationsDatabase()
{
    return false;
}

std::vector<City> places::databaseCities()
{
    return {};
}
