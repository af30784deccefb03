#include "relatorios/EscolhasImpressao.h"

#include <QStringList>

#include "nucleo/Diretorios.h"
#include "plataforma/sistema/ArquivoIni.h"

namespace EscolhasImpressao {

namespace {

const QString kBeneficiarios = QStringLiteral("Beneficiarios");
const QString kRelatorio = QStringLiteral("Relatorio");
const QString kComprovante = QStringLiteral("Comprovante");

// The value read when it is one of those listed; else the choice as it was.
void leUm(const ArquivoIni& ini, const QString& secao, const QString& chave, const QStringList& aceitos,
          QString& escolha) {
  const QString lido = ini.le(secao, chave);
  if (aceitos.contains(lido)) escolha = lido;
}

}  // namespace

QString Arquivo() { return DiretorioDados() + QStringLiteral("/Tolv.ini"); }

Escolhas Le(const QString& arquivo, Escolhas escolhas) {
  const ArquivoIni ini(arquivo);
  leUm(ini, kBeneficiarios, QStringLiteral("Ordenacao"), {QStringLiteral("Alfabetica"), QStringLiteral("CPF")},
       escolhas.ordenacao);
  QString impressao = escolhas.visualizar ? QStringLiteral("Visualizar") : QStringLiteral("Imprimir");
  leUm(ini, kRelatorio, QStringLiteral("Impressao"), {QStringLiteral("Visualizar"), QStringLiteral("Imprimir")},
       impressao);
  escolhas.visualizar = impressao == u"Visualizar";
  leUm(ini, kRelatorio, QStringLiteral("Tipo"),
       {QStringLiteral("ListaBeneficiario"), QStringLiteral("TotalMensalCodigo"), QStringLiteral("Gerencial"),
        QStringLiteral("TotaisCodigo")},
       escolhas.tipo);
  leUm(ini, kRelatorio, QStringLiteral("Detalhamento"), {QStringLiteral("Analitico"), QStringLiteral("Sintetico")},
       escolhas.detalhamento);
  leUm(ini, kComprovante, QStringLiteral("Beneficiarios"), {QStringLiteral("Todos"), QStringLiteral("Um")},
       escolhas.comprovante);
  return escolhas;
}

bool Grava(const QString& arquivo, const Escolhas& escolhas, int tipoImpressao) {
  const ArquivoIni ini(arquivo);
  bool ok = true;
  const auto grava = [&](const QString& secao, const QString& chave, const QString& valor) {
    ok = ini.grava(secao, chave, valor) && ok;
  };
  grava(kBeneficiarios, QStringLiteral("Ordenacao"), escolhas.ordenacao);
  grava(kRelatorio, QStringLiteral("Impressao"),
        escolhas.visualizar ? QStringLiteral("Visualizar") : QStringLiteral("Imprimir"));
  switch (tipoImpressao) {
    case 1: grava(kRelatorio, QStringLiteral("Base"), QStringLiteral("Declaracao")); break;
    case 2: grava(kRelatorio, QStringLiteral("Base"), QStringLiteral("Recibo")); break;
    case 3: grava(kComprovante, QStringLiteral("Beneficiarios"), QStringLiteral("Todos")); break;
    case 4: grava(kComprovante, QStringLiteral("Beneficiarios"), QStringLiteral("Um")); break;
    case 5: grava(kRelatorio, QStringLiteral("Tipo"), QStringLiteral("ListaBeneficiario")); break;
    case 6: grava(kRelatorio, QStringLiteral("Detalhamento"), QStringLiteral("Analitico")); break;
    case 7: grava(kRelatorio, QStringLiteral("Detalhamento"), QStringLiteral("Sintetico")); break;
    case 8: grava(kRelatorio, QStringLiteral("Tipo"), QStringLiteral("TotalMensalCodigo")); break;
    case 9: grava(kRelatorio, QStringLiteral("Tipo"), QStringLiteral("Gerencial")); break;
    default: break;
  }
  return ok;
}

int Codigo(int tipoImpressao, bool visualizar) {
  // Preview and print codes of kinds 1 to 10; receipts have one code.
  static constexpr int kCodigos[][2] = {{10, 11}, {12, 12}, {14, 15}, {18, 19}, {5, 6},
                                        {3, 4},   {1, 2},   {20, 21}, {7, 8},   {22, 23}};
  if (tipoImpressao < 1 || tipoImpressao > 10) return 0;
  return kCodigos[tipoImpressao - 1][visualizar ? 0 : 1];
}

bool MostraJanela(int tipoImpressao, bool declaracaoAberta) {
  switch (tipoImpressao) {
    case 2:
    case 4: return true;
    case 1:
    case 5:
    case 6:
    case 7:
    case 8:
    case 10: return !declaracaoAberta;
    default: return false;
  }
}

int Ajuda(int tipoImpressao) {
  switch (tipoImpressao) {
    case 1: return 12600;
    case 2: return 105;
    case 5: return 12650;
    case 6: return 12655;
    case 7: return 12660;
    case 8: return 12665;
    case 10: return 12670;
    default: return 0;
  }
}

QString Legenda(const QString& sufixo) {
  return sufixo.isEmpty() ? QStringLiteral("Impressão") : QStringLiteral("Impressão - ") + sufixo;
}

}  // namespace EscolhasImpressao
