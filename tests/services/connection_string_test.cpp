#include <gtest/gtest.h>

#include "services/db/connection_string.h"
#include "services/db/procedure_name.h"
#include "services/db/value.h"

namespace {

using namespace services::db;

TEST(ConnectionString, ProgramStringGivesItsFourValuesIncludingEmptyOnes) {
  const ConnectionSettings full = ReadConnectionSettings(
      "Provider=SQLOLEDB.1;Password=p@ss;Persist Security Info=True;User ID=sa;Initial Catalog=Brellis;"
      "Data Source=db.example,1433");
  EXPECT_EQ(full.provider, "SQLOLEDB.1");
  EXPECT_EQ(full.password, "p@ss");
  EXPECT_EQ(full.userId, "sa");
  EXPECT_EQ(full.initialCatalog, "Brellis");
  EXPECT_EQ(full.dataSource, "db.example,1433");

  const ConnectionSettings empty = ReadConnectionSettings(
      "Provider=SQLOLEDB.1;Password=;Persist Security Info=True;User ID=;Initial Catalog=;Data Source=");
  EXPECT_EQ(empty.password, "");
  EXPECT_EQ(empty.userId, "");
  EXPECT_EQ(empty.dataSource, "");
}

TEST(ConnectionString, KeysIgnoreCaseQuotesProtectSeparatorsLastValueWins) {
  const auto pairs = SplitConnectionString(" data source = a.db ;;PASSWORD='x;y''z'; Password=\"q\"\"r\" ;");
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0].first, "data source");
  EXPECT_EQ(pairs[0].second, "a.db");
  EXPECT_EQ(pairs[1].second, "x;y'z");
  EXPECT_EQ(pairs[2].second, "q\"r");
  EXPECT_EQ(ReadConnectionSettings("Password=a;password=b").password, "b");
  // A value may hold "=".
  EXPECT_EQ(ReadConnectionSettings("Password=a=b").password, "a=b");
}

TEST(ConnectionString, MalformedStringsAndOtherProvidersRaise) {
  EXPECT_THROW(SplitConnectionString("Password"), EDatabaseError);
  EXPECT_THROW(SplitConnectionString("=value"), EDatabaseError);
  EXPECT_THROW(SplitConnectionString("Password='open"), EDatabaseError);
  EXPECT_THROW(SplitConnectionString("Password='a'b"), EDatabaseError);
  EXPECT_THROW(ReadConnectionSettings("Provider=MSDASQL;Data Source=x"), EDatabaseError);
  EXPECT_NO_THROW(ReadConnectionSettings(""));
}

TEST(ConnectionString, DataSourceChoosesTheBackend) {
  EXPECT_EQ(ChooseBackend("brellis.db"), BackendKind::Embedded);
  EXPECT_EQ(ChooseBackend("/srv/BRELLIS.DB"), BackendKind::Embedded);
  EXPECT_EQ(ChooseBackend("file:service?mode=ro"), BackendKind::Embedded);
  EXPECT_EQ(ChooseBackend("db.example"), BackendKind::Tds);
  EXPECT_EQ(ChooseBackend("db.example,1433"), BackendKind::Tds);
  EXPECT_EQ(ChooseBackend("db.example\\SQLEXPRESS"), BackendKind::Tds);
  EXPECT_EQ(ChooseBackend(""), BackendKind::Tds);

  EXPECT_EQ(TdsServerName("db.example, 1433"), "db.example:1433");
  EXPECT_EQ(TdsServerName("db.example\\SQLEXPRESS"), "db.example\\SQLEXPRESS");
  EXPECT_EQ(TdsServerName(""), "localhost");
  EXPECT_EQ(TdsServerName("(local)"), "localhost");
  EXPECT_EQ(TdsServerName(".,1500"), "localhost:1500");
}

TEST(ConnectionString, EmbeddedLocationsAreTakenFromTheExecutableFolder) {
  EmbeddedLocation plain = ResolveEmbeddedLocation("data/brellis.db", "/opt/brellis/");
  EXPECT_EQ(plain.location, "/opt/brellis/data/brellis.db");
  EXPECT_FALSE(plain.isUri);
  EXPECT_EQ(ResolveEmbeddedLocation("/var/brellis.db", "/opt/brellis/").filePath, "/var/brellis.db");

  EmbeddedLocation uri = ResolveEmbeddedLocation("file:brellis.db?mode=rwc", "/opt/my app%/");
  EXPECT_TRUE(uri.isUri);
  EXPECT_EQ(uri.location, "file:/opt/my app%25/brellis.db?mode=rwc");
  EXPECT_EQ(uri.filePath, "/opt/my app%/brellis.db");
  EXPECT_EQ(ResolveEmbeddedLocation("file:///var/b.db", "/opt/").location, "file:/var/b.db");
  EXPECT_EQ(ResolveEmbeddedLocation("file://localhost/var/b.db", "/opt/").location, "file:/var/b.db");
  EXPECT_THROW(ResolveEmbeddedLocation("file://elsewhere/var/b.db", "/opt/"), EDatabaseError);
  EXPECT_TRUE(ResolveEmbeddedLocation("file::memory:", "/opt/").inMemory);
  EXPECT_TRUE(ResolveEmbeddedLocation("file:x.db?mode=memory", "/opt/").inMemory);
}

TEST(ProcedureName, PartsMayBeBracketedOrQuoted) {
  ProcedureName name = ParseProcedureName("dbo.[P_Get_Bas_DictEx]");
  EXPECT_EQ(name.schema, "dbo");
  EXPECT_EQ(name.name, "P_Get_Bas_DictEx");
  name = ParseProcedureName("[Brellis].\"dbo\".[a]]b.c]");
  EXPECT_EQ(name.catalog, "Brellis");
  EXPECT_EQ(name.schema, "dbo");
  EXPECT_EQ(name.name, "a]b.c");
  EXPECT_EQ(ParseProcedureName(" P_Get_Bas_Dict ").name, "P_Get_Bas_Dict");
  EXPECT_TRUE(ParseProcedureName("P_Get_Bas_Dict").schema.empty());
  for (const char* bad : {"", "dbo.", ".x", "[open", "a.b.c.d", "[a]x", "dbo..x"}) {
    EXPECT_THROW(ParseProcedureName(bad), EDatabaseError) << bad;
  }
}

TEST(Value, ConversionToTheDeclaredType) {
  EXPECT_EQ(ConvertToType(Value::Text(" 1021 "), DataType::Integer, "p"), Value::Integer(1021));
  EXPECT_EQ(ConvertToType(Value::Text("-5"), DataType::SmallInt, "p"), Value::Integer(-5));
  EXPECT_EQ(ConvertToType(Value::Text("true"), DataType::Boolean, "p"), Value::Integer(1));
  EXPECT_EQ(ConvertToType(Value::Integer(7), DataType::Boolean, "p"), Value::Integer(1));
  EXPECT_EQ(ConvertToType(Value::Integer(10), DataType::String, "p"), Value::Text("10"));
  EXPECT_EQ(ConvertToType(Value::Text("2.5"), DataType::Float, "p"), Value::Float(2.5));
  EXPECT_EQ(ConvertToType(Value(), DataType::Integer, "p"), Value());
  EXPECT_EQ(ConvertToType(Value::Text("2016-06-16 08:40"), DataType::DateTime, "p"),
            Value::DateTime(EncodeDateTime({2016, 6, 16, 8, 40, 0, 0})));
  EXPECT_EQ(ConvertToType(Value::Text("2016-06-16T08:40:05.250"), DataType::DateTime, "p"),
            Value::DateTime(EncodeDateTime({2016, 6, 16, 8, 40, 5, 250})));

  for (const char* bad : {"", "abc", "12x", "1 2", "2147483648"}) {
    EXPECT_THROW(ConvertToType(Value::Text(bad), DataType::Integer, "p"), EDatabaseError) << bad;
  }
  EXPECT_THROW(ConvertToType(Value::Integer(256), DataType::TinyInt, "p"), EDatabaseError);
  EXPECT_THROW(ConvertToType(Value::Text("2016-02-30"), DataType::DateTime, "p"), EDatabaseError);
  EXPECT_THROW(ConvertToType(Value::Text("nan"), DataType::Float, "p"), EDatabaseError);
  try {
    ConvertToType(Value::Text("x"), DataType::Integer, "parameter '@snFirsID'");
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "The value 'x' of parameter '@snFirsID' cannot be converted to int");
  }
}

TEST(Value, TextOfEveryKind) {
  EXPECT_EQ(Value().AsString(), "");
  EXPECT_EQ(Value::Integer(-42).AsString(), "-42");
  EXPECT_EQ(Value::Float(0.1).AsString(), "0.1");
  EXPECT_EQ(Value::Text("x").AsString(), "x");
  EXPECT_THROW(Value().AsInteger(), EDatabaseError);
  EXPECT_EQ(Value::Text("12").AsInteger(), 12);
  EXPECT_EQ(DataTypeFromSqlName("VARCHAR"), DataType::String);
  EXPECT_EQ(DataTypeFromSqlName("geography"), DataType::Unknown);
}

}  // namespace
