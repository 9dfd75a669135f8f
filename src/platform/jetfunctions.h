#pragma once

struct sqlite3;

// Registers the SQL functions that translated Jet texts call:
//   JetRound(x) and JetRound(x, digits): Jet's Round, halves to the even neighbour
//     (JetRound(2.5) is 2, JetRound(3.5) is 4); whole numbers come back unchanged;
//   JetDate(): today, JetNow(): now, both as TDateTime day numbers (REAL, local clock).
void RegisterJetScalarFunctions(sqlite3* db);
