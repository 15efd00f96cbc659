// Small euro reference-rate files in the five forms the bank publishes, all
// with the same rates for 7 December 2026: USD 1.1650, JPY 180.12,
// BGN 1.9558, ISK 146.30 (older days and N/A cells around them).
#pragma once

namespace mensurio::testing {

struct RateFileForm {
  const char* name;
  const char* content;
};

inline constexpr RateFileForm kRateFileForms[] = {
    {"eurofxref-daily.xml",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
     "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
     "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
     "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
     "\t<Cube>\n\t\t<Cube time='2026-12-07'>\n"
     "\t\t\t<Cube currency='USD' rate='1.1650'/>\n"
     "\t\t\t<Cube currency='JPY' rate='180.12'/>\n"
     "\t\t\t<Cube currency='BGN' rate='1.9558'/>\n"
     "\t\t\t<Cube currency='ISK' rate='146.30'/>\n"
     "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n"},
    {"eurofxref-hist.xml",  // one line, double quotes, newest day first
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
     "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\"><gesmes:subject>Reference rates</gesmes:subject>"
     "<Cube><Cube time=\"2026-12-07\"><Cube currency=\"USD\" rate=\"1.165\"/><Cube currency=\"JPY\" rate=\"180.12\"/>"
     "<Cube currency=\"BGN\" rate=\"1.9558\"/><Cube currency=\"ISK\" rate=\"146.3\"/></Cube>"
     "<Cube time=\"2026-12-04\"><Cube currency=\"USD\" rate=\"1.1\"/><Cube currency=\"CYP\" rate=\"0.5\"/></Cube>"
     "</Cube></gesmes:Envelope>"},
    {"eurofxref-hist-90d.xml",  // the newest day in the middle, attributes in another order
     "<gesmes:Envelope><Cube>\r\n<Cube time=\"2026-12-01\"><Cube currency=\"USD\" rate=\"1.2\"/></Cube>\r\n"
     "<Cube time=\"2026-12-07\" ><Cube rate=\"1.1650\" currency=\"USD\" /><Cube currency=\"JPY\" rate=\"180.12\"/>"
     "<Cube currency=\"BGN\" rate=\"1.9558\"/><Cube currency=\"ISK\" rate=\"146.30\"/></Cube>\r\n"
     "<Cube time=\"2026-09-09\"><Cube currency=\"USD\" rate=\"1.3\"/></Cube></Cube></gesmes:Envelope>\r\n"},
    {"eurofxref.csv",
     "Date, USD, JPY, BGN, ISK, \n"
     "07 December 2026, 1.1650, 180.12, 1.9558, 146.30, \n"},
    {"eurofxref-hist.csv",
     "\xEF\xBB\xBF"
     "Date,USD,JPY,BGN,CYP,ISK,\r\n"
     "2026-12-04,1.1,179,1.9558,N/A,140,\r\n"
     "2026-12-07,1.1650,180.12,1.9558,N/A,146.30,\r\n"
     "1999-01-04,1.1789,133.73,N/A,0.58231,N/A,\r\n"},
};

}  // namespace mensurio::testing
