#pragma once

#include <QString>

// What the print wizard asks for each print kind (TipoImpressao: 1 complete declaration,
// 2 delivery receipt, 3 all income statements, 4 one beneficiary's statement, 5 beneficiary list,
// 6 and 7 totals per code analytic and synthetic, 8 monthly totals, 9 management, 10 summary),
// the report code it answers, and the choices it keeps in DADOS/Tolv.ini.
namespace EscolhasImpressao {

// The choices of DADOS/Tolv.ini, carried from run to run. Only the output choice changes the
// answer; the others are the wizard's pages' own.
struct Escolhas {
  QString ordenacao = QStringLiteral("Alfabetica");  // Beneficiarios/Ordenacao: "Alfabetica", "CPF"
  bool visualizar = true;                            // Relatorio/Impressao: "Visualizar", "Imprimir"
  QString tipo;          // Relatorio/Tipo: "ListaBeneficiario", "TotalMensalCodigo", "Gerencial", "TotaisCodigo"
  QString detalhamento;  // Relatorio/Detalhamento: "Analitico", "Sintetico"
  QString comprovante;   // Comprovante/Beneficiarios: "Todos", "Um"

  bool operator==(const Escolhas&) const = default;
};

// The file: DiretorioDados() + "/Tolv.ini".
QString Arquivo();
// Reads the file over the choices given: a missing file, key or a value other than those
// listed leaves a choice as it was.
Escolhas Le(const QString& arquivo, Escolhas escolhas = {});
// Writes the order and the output always; the report type for kinds 5, 8 and 9, the detail for
// 6 and 7, the base for 1 and 2, the statements' scope for 3 and 4, each as the kind names it.
// False when the file could not be written.
bool Grava(const QString& arquivo, const Escolhas& escolhas, int tipoImpressao);

// The code answered for the kind: preview or print by the output choice, 12 for receipts; 0
// for 0 or a kind above 10.
int Codigo(int tipoImpressao, bool visualizar);
// The wizard's window shows for kinds 2 and 4 always, and for 1, 5 to 8 and 10 when no
// declaration is open (its declaration list).
bool MostraJanela(int tipoImpressao, bool declaracaoAberta);
// The help context of the kind; 0 keeps the wizard's own.
int Ajuda(int tipoImpressao);
// "Impressão - " and the report's name; "Impressão" without one.
QString Legenda(const QString& sufixo);

}  // namespace EscolhasImpressao
