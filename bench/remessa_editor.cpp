// The payments-abroad page keying a large declaration: 10,000 beneficiaries with two payment
// lines each, entered through the page's own logic (the duplicate check, the save of the
// beneficiary, each line's checks and save, the totals after each line), every row committed as
// the page commits it. Prints the time per beneficiary over the first and the last thousand,
// beside the bare engine running the same statements on another copy of the template.

#include <firebird/Interface.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

#include "ApiDireta.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Dado.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TEdicaoRemessa.h"
#include "secoes/TTabelaEditavel.h"

using namespace Firebird;

namespace {

constexpr int kBeneficiarios = 10000;
constexpr int kLinhas = 2;
constexpr int kBloco = 1000;

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

struct Abridor : TColecao {
  void AbreConsulta(bd::Consulta&) override {}
};

// Milliseconds per beneficiary over the first and the last block.
struct Tempos {
  double inicio = 0;
  double fim = 0;
};

// Beneficiary i: three persons for each company, in Paraguay.
bool Empresa(int i) { return i % 4 == 3; }

Tempos PelaPagina(TTolv& tolv) {
  TEdicaoRemessa edicao;
  edicao.Inicializa(&tolv);
  TTabelaEditavel& r = edicao.Remessas();
  TTabelaEditavel& v = edicao.Valores();
  Tempos t;
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kBeneficiarios; ++i) {
    if (i == kBeneficiarios - kBloco) relogio.restart();
    const QString tipo = Empresa(i) ? QStringLiteral("1") : QStringLiteral("2");
    const QString nif = QStringLiteral("NIF%1").arg(i);
    r.Acrescenta();
    r.DefineValor(QStringLiteral("TREM_IN_TIPO_BENEFICIARIO"), tipo);
    r.DefineValor(QStringLiteral("TREM_CD_PAIS"), 586);
    r.DefineValor(QStringLiteral("TREM_NIF"), nif);
    r.DefineValor(QStringLiteral("TREM_CD_REL_FONTE_BENEFICIARIO"), Empresa(i) ? QStringLiteral("500") : QString());
    r.DefineValor(QStringLiteral("TREM_IN_PF_PJ"), QStringLiteral("0"));
    r.DefineValor(QStringLiteral("TREM_NOME"), QStringLiteral("Juan Benitez Ortiz"));
    r.DefineValor(QStringLiteral("TREM_LOGRADOURO"), QStringLiteral("Avenida Mariscal Lopez"));
    r.DefineValor(QStringLiteral("TREM_CIDADE"), QStringLiteral("Asuncion"));
    // The page looks for the same NIF, country and kind before it saves.
    if (edicao.ChaveComMesmoNif(nif, 586, tipo) != 0) std::fprintf(stderr, "duplicate %d\n", i);
    r.Grava();
    edicao.Confirma();
    edicao.SegueRemessa();
    const int chave = r.Chave();
    for (int k = 0; k < kLinhas; ++k) {
      v.Acrescenta();
      v.DefineValor(QStringLiteral("TVRE_DATA"), QDate(2013, 5, 10 + k));
      v.DefineValor(QStringLiteral("TVRE_CD_RETENCAO"), QStringLiteral("0473"));
      v.DefineValor(QStringLiteral("TVRE_CD_TIPO_RENDIMENTO"), 110);
      v.DefineValor(QStringLiteral("TVRE_CD_FORMA_TRIBUTACAO"), k == 0 ? 10 : 40);
      v.DefineValor(QStringLiteral("TVRE_VL_RENDIMENTO_PAGO"), bd::DezMilesimos{(1000 + i % 500) * 10000 + 5600});
      v.DefineValor(QStringLiteral("TVRE_VL_IRRF"), bd::DezMilesimos{k == 0 ? 1502500 : 0});
      if (edicao.VerificaValor(tipo)) std::fprintf(stderr, "line refused %d\n", i);
      v.DefineValor(QStringLiteral("TREM_ID"), chave);
      v.Grava();
      edicao.Confirma();
      edicao.TotaisValores(chave);
    }
    if (i == kBloco - 1) t.inicio = relogio.nsecsElapsed() / 1e6 / kBloco;
  }
  t.fim = relogio.nsecsElapsed() / 1e6 / kBloco;
  return t;
}

// The same statements straight on the engine: the duplicate look-up, the insert of the
// beneficiary and of each line, a commit after each, the sums.
Tempos Direto(const QString& arquivo) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                               isc_tpb_nowait};
  const auto prepara = [&](const char* sql) {
    return api.att->prepare(&st, api.tra, 0, sql, 3, IStatement::PREPARE_PREFETCH_METADATA);
  };
  IStatement* mesmoNif = prepara(
      "SELECT FIRST 1 TREM_ID FROM TB_REMESSA WHERE TREM_NIF = ? AND TREM_CD_PAIS = ? AND "
      "TREM_IN_TIPO_BENEFICIARIO = ? ORDER BY TREM_ID");
  IStatement* beneficiario = prepara(
      "INSERT INTO TB_REMESSA (TREM_IN_TIPO_BENEFICIARIO, TREM_CD_PAIS, TREM_NIF, TREM_CD_REL_FONTE_BENEFICIARIO, "
      "TREM_IN_PF_PJ, TREM_NOME, TREM_LOGRADOURO, TREM_CIDADE, TREM_IN_BENEF_DISPENSA_NIF, TREM_IN_PAIS_DISPENSA_NIF) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'N', 'N') RETURNING TREM_ID");
  IStatement* linha = prepara(
      "INSERT INTO TB_VALOR_REMESSA (TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO, "
      "TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) VALUES (?, ?, ?, ?, ?, ?, ?)");
  IStatement* soma = prepara(
      "SELECT SUM(TVRE_VL_RENDIMENTO_PAGO), SUM(TVRE_VL_IRRF) FROM TB_VALOR_REMESSA WHERE TREM_ID = ?");
  std::vector<IMessageMetadata*> metas;
  const auto entrada = [&](IStatement* s) {
    metas.push_back(s->getInputMetadata(&st));
    return metas.back();
  };
  const auto saida = [&](IStatement* s) {
    metas.push_back(s->getOutputMetadata(&st));
    return metas.back();
  };
  IMessageMetadata* inNif = entrada(mesmoNif);
  IMessageMetadata* outNif = saida(mesmoNif);
  IMessageMetadata* inB = entrada(beneficiario);
  IMessageMetadata* outB = saida(beneficiario);
  IMessageMetadata* inL = entrada(linha);
  IMessageMetadata* inS = entrada(soma);
  IMessageMetadata* outS = saida(soma);
  MensagemDireta mNif(api, inNif);
  MensagemDireta mB(api, inB);
  MensagemDireta mL(api, inL);
  MensagemDireta mS(api, inS);
  std::vector<unsigned char> bufNif(outNif->getMessageLength(&st));
  std::vector<unsigned char> bufB(outB->getMessageLength(&st));
  std::vector<unsigned char> bufS(outS->getMessageLength(&st));
  const unsigned offChave = outB->getOffset(&st, 0);
  const auto confirma = [&] {
    api.tra->commit(&st);
    api.tra = api.att->startTransaction(&st, sizeof tpb, tpb);
  };
  Tempos t;
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kBeneficiarios; ++i) {
    if (i == kBeneficiarios - kBloco) relogio.restart();
    const QByteArray tipo = Empresa(i) ? "1" : "2";
    const QByteArray nif = QStringLiteral("NIF%1").arg(i).toUtf8();
    mNif.texto(0, nif);
    mNif.valor(1, int16_t(586));
    mNif.texto(2, tipo);
    IResultSet* cursor = mesmoNif->openCursor(&st, api.tra, inNif, mNif.dados(), outNif, 0);
    if (cursor->fetchNext(&st, bufNif.data()) == IStatus::RESULT_OK) std::fprintf(stderr, "duplicate %d\n", i);
    cursor->close(&st);
    mB.texto(0, tipo);
    mB.valor(1, int16_t(586));
    mB.texto(2, nif);
    mB.texto(3, Empresa(i) ? QByteArray("500") : QByteArray());
    mB.texto(4, "0");
    mB.texto(5, "Juan Benitez Ortiz");
    mB.texto(6, "Avenida Mariscal Lopez");
    mB.texto(7, "Asuncion");
    beneficiario->execute(&st, api.tra, inB, mB.dados(), outB, bufB.data());
    int32_t chave;
    std::memcpy(&chave, &bufB[offChave], 4);
    confirma();
    for (int k = 0; k < kLinhas; ++k) {
      mL.valor(0, chave);
      mL.valor(1, api.util->encodeDate(2013, 5, unsigned(10 + k)));
      mL.texto(2, "0473");
      mL.valor(3, int32_t(110));
      mL.valor(4, int32_t(k == 0 ? 10 : 40));
      mL.valor(5, int64_t((1000 + i % 500) * 10000 + 5600));
      mL.valor(6, int64_t(k == 0 ? 1502500 : 0));
      linha->execute(&st, api.tra, inL, mL.dados(), nullptr, nullptr);
      confirma();
      mS.valor(0, chave);
      IResultSet* somas = soma->openCursor(&st, api.tra, inS, mS.dados(), outS, 0);
      somas->fetchNext(&st, bufS.data());
      somas->close(&st);
    }
    if (i == kBloco - 1) t.inicio = relogio.nsecsElapsed() / 1e6 / kBloco;
  }
  t.fim = relogio.nsecsElapsed() / 1e6 / kBloco;
  for (IMessageMetadata* m : metas) m->release();
  for (IStatement* s : {mesmoNif, beneficiario, linha, soma}) s->free(&st);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  QDir().mkpath(pasta.path() + QStringLiteral("/DADOS"));
  const QString dados = pasta.path() + QStringLiteral("/DADOS/");
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"})
    QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome), dados + QString::fromLatin1(nome));
  const QString direto = dados + QStringLiteral("DIRETO.FDB");
  for (const QString& copia : {dados + kBanco, direto}) {
    if (!QFile::copy(dados + QStringLiteral("TOLV2014PD.FDB"), copia)) {
      std::fprintf(stderr, "template not copied\n");
      return 1;
    }
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
  }
  Pastas::definePrograma(pasta.path());
  try {
    // Both copies alike: forced writes off, as on a machine where the disk is not the limit.
    bd::Servicos::defineEscritaForcada(dados + kBanco, false);
    bd::Servicos::defineEscritaForcada(direto, false);
    Abridor().AbrirBancoDeclaracao(kBanco, false);
    TTolv tolv;
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    tolv.SetCodigoNatureza(0);

    const Tempos pagina = PelaPagina(tolv);
    TColecao::FechaConexoes();
    const Tempos bare = Direto(direto);
    std::printf("key %d beneficiaries with %d lines each, every row committed (ms per beneficiary):\n",
                kBeneficiarios, kLinhas);
    std::printf("  page's logic: first %d %.3f, last %d %.3f (last/first %.2f)\n", kBloco, pagina.inicio, kBloco,
                pagina.fim, pagina.fim / pagina.inicio);
    std::printf("  bare engine:  first %d %.3f, last %d %.3f (last/first %.2f)\n", kBloco, bare.inicio, kBloco,
                bare.fim, bare.fim / bare.inicio);
    std::printf("  ratio page/bare: first %.2f, last %.2f\n", pagina.inicio / bare.inicio, pagina.fim / bare.fim);
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "failure: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "failure: %s\n", texto);
    return 1;
  }
  return 0;
}
