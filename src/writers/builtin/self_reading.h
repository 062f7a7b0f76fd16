#pragma once
// The writers that read the whole comma export themselves, each in a layout
// of its own: "Oracle", "Orion", "Produce Pro", "VADARR", "WC-GL Generator",
// "Yardi Systems" and "Yardi csv Input", one file per package. A bad line
// stops the run naming that line; it never ends the input silently and never
// lends its values to another line.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterSelfReadingWriters(FinPacCatalog& catalog);

void RegisterOracleWriter(FinPacCatalog& catalog);
void RegisterOrionWriter(FinPacCatalog& catalog);
void RegisterProduceProWriter(FinPacCatalog& catalog);
void RegisterVADARRWriter(FinPacCatalog& catalog);
void RegisterWCGLGeneratorWriter(FinPacCatalog& catalog);
void RegisterYardiWriters(FinPacCatalog& catalog);

// Whole-input writers.
void Oracle(QvLedgerloom& window);
void Orion(QvLedgerloom& window);
void ProducePro(QvLedgerloom& window);
void VADARR(QvLedgerloom& window);
void WCGL_Generator(QvLedgerloom& window);
// The line of the record (or summarized entry, or offsetting record) in curRec.
void Yardi(QvLedgerloom& window);

}  // namespace qvl
