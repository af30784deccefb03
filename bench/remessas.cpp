// Payments abroad of a large declaration: 100,000 beneficiaries with two payment lines each,
// stored through the data-access objects in batch use and then checked in full (every field rule
// of every beneficiary and line, the look-ups answered by the caches), each beside the bare
// engine doing the same rows on another copy of the template. Prints figures only.

#include <firebird/Interface.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

#include "ApiDireta.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TzuqCachesRemessa.h"
#include "secoes/TzuqConsultasRemessaCache.h"
#include "secoes/TzuqDeclaracaoRemessa.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqRemessaDAO.h"
#include "secoes/TzuqValorRemessa.h"
#include "secoes/TzuqValorRemessaDAO.h"

using namespace Firebird;

namespace {

constexpr int kBeneficiarios = 100000;
constexpr int kLinhas = 2;

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

struct Abridor : TColecao {
  void AbreConsulta(bd::Consulta&) override {}
};

// Beneficiary i: three persons in Paraguay for each company elsewhere, every field filled.
QString Ni(int i) {
  const bool empresa = i % 4 == 3;
  const QString base = empresa ? QStringLiteral("%1").arg(10000000 + i, 8, 10, QLatin1Char('0')) + QStringLiteral("0001")
                               : QStringLiteral("%1").arg(100000000 + i, 9, 10, QLatin1Char('0'));
  return base + TNiContribuinte::CalculaDVNi(base);
}

void Beneficiario(TzuqRemessa& r, int i) {
  const bool empresa = i % 4 == 3;
  r.SetId(0);
  r.SetInTipoBeneficiario(empresa ? QStringLiteral("2") : QStringLiteral("1"));
  r.SetCdPais(QStringLiteral("586"));
  r.SetNif(QStringLiteral("NIF%1").arg(i));
  r.SetInBenefDispensaNif(QStringLiteral("N"));
  r.SetInPaisDispensaNif(QStringLiteral("N"));
  r.SetCdRelFonteBeneficiario(empresa ? QStringLiteral("500") : QString());
  r.SetNiComErro(Ni(i));
  r.GetNome().SetNomeComErro(empresa ? QStringLiteral("Empresa Exterior SA") : QStringLiteral("Juan Benitez Ortiz"));
  r.SetLogradouro(QStringLiteral("Avenida Mariscal Lopez"));
  r.SetNumero(QString::number(i % 9000 + 1));
  r.SetComplemento(QStringLiteral("Piso 3"));
  r.SetBairro(QStringLiteral("Villa Morra"));
  r.SetCxPostal(QStringLiteral("1209"));
  r.SetCidade(QStringLiteral("Asuncion"));
  r.SetTelefone(QStringLiteral("59521600000"));
  r.SetEstado(QStringLiteral("Central"));
}

void Linha(TzuqValorRemessa& v, int i, int k) {
  v.SetData(QStringLiteral("%1/05/2013").arg(k + 10));
  v.SetVlRendimentoPago(QStringLiteral("%1,56").arg(1000 + i % 500));
  if (k == 0) {
    v.SetCdRetencao(QStringLiteral("0473"));
    v.SetCdFormaTributacao(QStringLiteral("10"));
    v.SetVlIrrf(QStringLiteral("150,25"));
  } else {
    v.SetCdRetencao(i % 4 == 3 ? QStringLiteral("0473") : QStringLiteral("0610"));
    v.SetCdFormaTributacao(QStringLiteral("40"));
    v.SetVlIrrf(QStringLiteral("0"));
  }
  v.SetCdTipoRendimento(QStringLiteral("110"));
}

// The same rows through the engine's OO API: the two insert procedures, prepared once, one
// commit at the end.
double GuardaDireto(const QString& arquivo) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  IStatement* beneficiario = api.att->prepare(
      &st, api.tra, 0, "EXECUTE PROCEDURE INCLUI_REMESSA(NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", 3,
      IStatement::PREPARE_PREFETCH_METADATA);
  IStatement* linha = api.att->prepare(&st, api.tra, 0, "EXECUTE PROCEDURE INCLUI_VL_REMESSA(?, ?, ?, ?, ?, ?, ?)", 3,
                                       IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* entradaB = beneficiario->getInputMetadata(&st);
  IMessageMetadata* saidaB = beneficiario->getOutputMetadata(&st);
  IMessageMetadata* entradaL = linha->getInputMetadata(&st);
  IMessageMetadata* saidaL = linha->getOutputMetadata(&st);
  MensagemDireta inB(api, entradaB);
  MensagemDireta inL(api, entradaL);
  std::vector<unsigned char> outB(saidaB->getMessageLength(&st));
  std::vector<unsigned char> outL(saidaL->getMessageLength(&st));
  const unsigned offChave = saidaB->getOffset(&st, 0);
  TzuqRemessa r;
  TzuqValorRemessa v;
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kBeneficiarios; ++i) {
    Beneficiario(r, i);
    const QByteArray textos[] = {r.GetNif().toUtf8(), r.GetCdPais().toUtf8(), r.GetInTipoBeneficiario().toUtf8(),
                                 r.GetInBenefDispensaNif().toUtf8(), r.GetInPaisDispensaNif().toUtf8(),
                                 r.GetInPfPj().toUtf8(), r.GetNiArmazenado().toUtf8(),
                                 r.GetNome().GetValor().toUtf8(), r.GetCdRelFonteBeneficiario().toUtf8(),
                                 r.GetLogradouro().toUtf8(), r.GetNumero().toUtf8(), r.GetComplemento().toUtf8(),
                                 r.GetBairro().toUtf8(), r.GetCxPostal().toUtf8(), r.GetCidade().toUtf8(),
                                 r.GetTelefone().toUtf8(), r.GetEstado().toUtf8()};
    for (unsigned c = 0; c < 17; ++c) inB.texto(c, textos[c]);
    beneficiario->execute(&st, api.tra, entradaB, inB.dados(), saidaB, outB.data());
    int32_t chave;
    std::memcpy(&chave, &outB[offChave], 4);
    for (int k = 0; k < kLinhas; ++k) {
      Linha(v, i, k);
      inL.valor(0, api.util->encodeDate(2013, 5, unsigned(k + 10)));
      inL.texto(1, v.GetCdRetencao().toUtf8());
      inL.valor(2, int32_t(v.GetCdTipoRendimento().toInt()));
      inL.valor(3, int32_t(v.GetCdFormaTributacao().toInt()));
      inL.valor(4, int64_t((1000 + i % 500) * 10000 + 5600));
      inL.valor(5, int64_t(k == 0 ? 1502500 : 0));
      inL.valor(6, chave);
      linha->execute(&st, api.tra, entradaL, inL.dados(), saidaL, outL.data());
    }
  }
  api.tra->commit(&st);
  api.tra = nullptr;
  const double segundos = Segundos(relogio);
  for (IMessageMetadata* m : {entradaB, saidaB, entradaL, saidaL}) m->release();
  beneficiario->free(&st);
  linha->free(&st);
  return segundos;
}

// The rows of the full check's read fetched through the OO API, without turning them into
// anything.
double LeDireto(const QString& arquivo, int& linhas) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  QElapsedTimer relogio;
  relogio.start();
  linhas = 0;
  for (const char* sql : {"SELECT * FROM CONSULT_TODAS_REMESSA",
                          "SELECT TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO, "
                          "TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF FROM TB_VALOR_REMESSA "
                          "ORDER BY TREM_ID, TVRE_ID"}) {
    IResultSet* cursor = api.att->openCursor(&st, api.tra, 0, sql, 3, nullptr, nullptr, nullptr, nullptr, 0);
    IMessageMetadata* meta = cursor->getMetadata(&st);
    std::vector<unsigned char> buffer(meta->getMessageLength(&st));
    while (cursor->fetchNext(&st, buffer.data()) == IStatus::RESULT_OK) ++linhas;
    cursor->close(&st);
    meta->release();
  }
  return Segundos(relogio);
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

    const int linhas = kBeneficiarios * kLinhas;
    QElapsedTimer relogio;
    relogio.start();
    {
      TzuqRemessaDAO remessas;
      TzuqValorRemessaDAO valores(remessas);
      remessas.SetModoImportacao(true);
      valores.SetModoImportacao(true);
      TzuqRemessa r;
      TzuqValorRemessa v;
      v.SetRemessa(&r);
      for (int i = 0; i < kBeneficiarios; ++i) {
        Beneficiario(r, i);
        remessas.Inclui(r);
        for (int k = 0; k < kLinhas; ++k) {
          Linha(v, i, k);
          valores.Inclui(v);
        }
      }
      remessas.Confirma();
    }
    const double guardar = Segundos(relogio);
    const double guardarDireto = GuardaDireto(direto);
    std::printf("store %d beneficiaries with %d lines each (batch use):\n", kBeneficiarios, kLinhas);
    std::printf("  data-access objects: %.2f s, %.0f beneficiaries/s, %.0f rows/s\n", guardar,
                kBeneficiarios / guardar, (kBeneficiarios + linhas) / guardar);
    std::printf("  bare engine:         %.2f s, %.0f beneficiaries/s\n", guardarDireto, kBeneficiarios / guardarDireto);
    std::printf("  ratio objects/bare: %.2f\n", guardar / guardarDireto);

    TTolv tolv;
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    tolv.SetCodigoNatureza(0);
    TzuqDeclaracaoRemessa declaracao(tolv);
    declaracao.SetVerificacaoEmCurso(true);

    relogio.restart();
    TzuqCachesRemessa::Instancia();
    const double caches = Segundos(relogio);

    // Every beneficiary comes with its lines from one read and is checked with them.
    int beneficiarios = 0;
    int conferidas = 0;
    int erros = 0;
    relogio.restart();
    {
      TzuqRemessaDAO remessas;
      TzuqRemessa r;
      r.SetDeclaracao(&declaracao);
      r.SetConsultas(&TzuqConsultasRemessaCache::Instancia());
      remessas.PercorreComValores(r, [&](TzuqRemessa& lida, std::span<TzuqValorRemessa> linhasDela) {
        ++beneficiarios;
        lida.ValidaTodos();
        erros += int(lida.GetErros().size());
        for (TzuqValorRemessa& linha : linhasDela) {
          linha.ValidaTodos();
          erros += int(linha.GetErros().size());
          ++conferidas;
        }
      });
    }
    const double conferir = Segundos(relogio);
    int lidasDireto = 0;
    const double lerDireto = LeDireto(dados + kBanco, lidasDireto);

    // The checks alone, on one beneficiary and its lines in memory.
    TzuqRemessa r;
    TzuqValorRemessa a;
    TzuqValorRemessa b;
    Beneficiario(r, 1);
    r.SetDeclaracao(&declaracao);
    r.SetConsultas(&TzuqConsultasRemessaCache::Instancia());
    Linha(a, 1, 0);
    Linha(b, 1, 1);
    a.SetRemessa(&r);
    b.SetRemessa(&r);
    relogio.restart();
    for (int i = 0; i < kBeneficiarios; ++i) {
      r.ValidaTodos();
      a.ValidaTodos();
      b.ValidaTodos();
    }
    const double soRegras = Segundos(relogio);

    std::printf("full check (caches read once in %.3f s):\n", caches);
    std::printf("  %d beneficiaries, %d lines, %d findings: %.2f s, %.0f beneficiaries/s\n", beneficiarios,
                conferidas, erros, conferir, beneficiarios / conferir);
    std::printf("  rules alone (no reading):  %.2f s, %.0f beneficiaries/s\n", soRegras, kBeneficiarios / soRegras);
    std::printf("  bare engine, the same two reads (%d rows): %.2f s\n", lidasDireto, lerDireto);
    std::printf("  ratio check/bare read: %.2f\n", conferir / lerDireto);
    tolv.LiberaItens();
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "failure: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "failure: %s\n", texto);
    return 1;
  }
  TzuqCachesRemessa::Descarta();
  TColecao::FechaConexoes();
  Pastas::definePrograma({});
  return 0;
}
