#pragma once
// The Outlook folder the contacts tests have the stand-in serve (tests/ostrel/outlook/): a
// full contact, a distribution list, a contact without an address, a mobile number only, an
// e-mail only, a user name only.
namespace windows_test {

inline constexpr char kOutlookSampleFolder[] =
    "Class=40\tFirstName=Zoë\tLastName=Ångström\tFullName=Zoë Ångström\tNickName=Zozo\t"
    "Email1Address=zoe@example.org\tIMAddress=sip:zoe@example.org\t"
    "MobileTelephoneNumber=+33 6 11 22 33 44\tHomeTelephoneNumber=+33 1 22 33 44 55\t"
    "BusinessTelephoneNumber=+33 1 33 33 33 33\tGender=1\n"
    "Class=69\tDLName=Team\n"
    "Class=40\tFirstName=Nobody\tLastName=Unreachable\tNickName=nil\tWebPage=http://nowhere/\tGender=1\n"
    "Class=40\tFirstName=Björn\tLastName=Sø\tMobileTelephoneNumber=+46 70 123 45 67\tGender=2\n"
    "Class=40\tFirstName=José\tEmail1Address=jose@example.org\n"
    "Class=40\tNickName=Kim\tIMAddress=kim\tGender=1\n";

} // namespace windows_test
