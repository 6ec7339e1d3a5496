#pragma once

#include "updatechecker/UpdateCheckerTypes.h"

#include <QString>

class QDomElement;

namespace Corvane::Updater {

enum Brand {
    UnsetBrand = -1,
    BrandCorvane = 0,
    BrandTalvera = 1,
};

enum BrandCode {
    UnsetBrandCode = -1,
    BrandCodeCV = 0,
    BrandCodeTL = 1,
};

// Identity of the installed software, read once from the INFOSW file:
//
//     <INFOSW>
//       <SW_INIT>
//         <SOFTWARE_FRIENDLY_NAME>Vantrel</SOFTWARE_FRIENDLY_NAME>
//         <BRAND>Talvera</BRAND>            "Corvane" or "Talvera"
//         <BRANDCODE>TL</BRANDCODE>         "CV" or "TL"
//         <SPLASH_MESSAGE>...</SPLASH_MESSAGE>
//         <STAGE>4</STAGE>                  0 to 4, anything else counts as 0
//         <VERSION><V>2</V><R>0</R><B>93</B></VERSION>
//       </SW_INIT>
//     </INFOSW>
//
// The read is all or nothing: a missing or invalid element leaves every
// value at its default. It also tells the operating system, architecture
// and package type that a version check asks for.
class InfoSwSettings
{
public:
    static constexpr int UNSPECIFIED_INTEGER_VALUE = -1;

    static const QString BRAND_CORVANE;
    static const QString BRAND_TALVERA;
    static const QString BRAND_CODE_CORVANE;
    static const QString BRAND_CODE_TALVERA;
    static const QString INFOSW_TAG_NAME;
    static const QString SW_INIT_TAG_NAME;
    static const QString SOFTWARE_FRIENDLY_NAME_TAG_NAME;
    static const QString BRAND_TAG_NAME;
    static const QString BRANDCODE_TAG_NAME;
    static const QString SPLASH_MESSAGE_TAG_NAME;
    static const QString STAGE_TAG_NAME;
    static const QString VERSION_GROUP_TAG_NAME;
    static const QString VERSION_TAG_NAME;
    static const QString RELEASE_TAG_NAME;
    static const QString BUILD_TAG_NAME;
    // Architecture this program was built for.
    static const QString BUILD_ARCHITECTURE;
    static const QString DPKG_PATH;

    // The one object of the program, read from the installed INFOSW file on
    // first use.
    static InfoSwSettings* instance();

    // An object with the default values; nothing is read.
    InfoSwSettings() = default;

    void read();
    // Takes the values of the INFOSW file at path when it is complete and
    // valid; returns whether it was.
    bool readSettings(const QString& path);

    QString softwareFriendlyName() const;
    Brand brand() const;
    BrandCode brandCode() const;
    QString splashMessage() const;
    UpdateChecker::ProductStage stage() const;
    int version() const;
    int release() const;
    int build() const;
    // "<version>.<release>.<build>"; unspecified numbers show as -1.
    QString fullVersionString() const;

    void setSoftwareFriendlyName(const QString& name);
    void setBrand(Brand brand);
    void setBrandCode(BrandCode code);
    void setSplashMessage(const QString& message);
    void setStage(UpdateChecker::ProductStage stage);
    void setVersion(int version);
    void setRevision(int release);
    void setBuild(int build);

    static QString brandToString(Brand brand);
    static QString brandCodeToString(BrandCode code);
    static Brand brandFromString(const QString& text);
    static BrandCode brandCodeFromString(const QString& text);
    static int integerValueFromString(const QString& text);
    static int versionFromString(const QString& text);
    static int releaseFromString(const QString& text);
    static int buildFromString(const QString& text);
    static UpdateChecker::ProductStage stageFromString(const QString& text);
    static bool isValidStage(int stage);

    static UpdateChecker::OSType os();
    static UpdateChecker::ArchitectureType architecture(const QString& buildArchitecture = BUILD_ARCHITECTURE);
    static UpdateChecker::PackageType installationPackageType(const QString& dpkgPath = DPKG_PATH);

private:
    QString m_softwareFriendlyName;
    Brand m_brand = UnsetBrand;
    BrandCode m_brandCode = UnsetBrandCode;
    QString m_splashMessage;
    UpdateChecker::ProductStage m_stage = UpdateChecker::Development;
    int m_version = UNSPECIFIED_INTEGER_VALUE;
    int m_release = UNSPECIFIED_INTEGER_VALUE;
    int m_build = UNSPECIFIED_INTEGER_VALUE;
};

} // namespace Corvane::Updater
