#include "automation/SiteEndpoints.h"

SiteEndpoints SiteEndpoints::atBase(const QUrl& base)
{
    SiteEndpoints site;
    if (!base.isValid() || base.host().isEmpty())
        return site;
    const QString authority = base.authority(QUrl::FullyEncoded);
    site.mainHost = site.friendListHost = site.blogHost = authority;
    return site;
}
