#include "nucleo/TAnexoFC.h"

#include <QString>

#include "nucleo/EAnexoInvalido.h"
#include "nucleo/ETolvError.h"
#include "nucleo/ETolvItemError.h"
#include "nucleo/ILinhasAnexo.h"
#include "nucleo/IQuadroVerificacao.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TDeclaranteAnexo.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/bd/Consulta.h"

namespace {

constexpr uint16_t kCnpjDoAdministrador = 16;
constexpr uint16_t kFundoSemBeneficiarios = 88;
constexpr uint16_t kBeneficiarioDoProprioFundo = 133;
constexpr uint16_t kRaizDeFundo = 134;
constexpr uint16_t kCnpjDoDeclarante = 137;
constexpr uint16_t kProcessoSemBeneficiarios = 167;
constexpr uint16_t kAdvogadoAusente = 172;
constexpr uint16_t kCaracteresProcesso = 173;
constexpr uint16_t kSomenteLetras = 174;
constexpr uint16_t kAdvogadoSemNome = 230;
constexpr uint16_t kOperadoraDePlano = 268;

constexpr uint8_t kAviso = 0;
constexpr uint8_t kErro = 1;

// Fields of the verification's go-to.
constexpr uint8_t kCampoCnpjFundo = 28;
constexpr uint8_t kCampoNomeFundo = 29;
constexpr uint8_t kCampoBeneficiariosFundo = 30;
constexpr uint8_t kCampoNumero = 31;
constexpr uint8_t kCampoNumeroAnexo = 36;
constexpr uint8_t kCampoNomeAnexo = 37;
constexpr uint8_t kCampoBeneficiariosProcesso = 38;

constexpr int kIntervaloAtualizacao = 100;

// Every hundred lines the window shows the count and stays alive.
void ContaLinha(int& contador, IQuadroVerificacao& quadro) {
  ++contador;
  if (contador % kIntervaloAtualizacao == 0) {
    quadro.SetVerificados(contador);
    ProcessaEventos();
  }
}

bool LetraAscii(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

}  // namespace

TAnexoFC::TAnexoFC(TTolv& declaracao) : TAnexoFC(declaracao, kFundo) {}

TAnexoFC::TAnexoFC(TTolv& declaracao, int16_t tipo)
    : TTolvAnexo(std::make_unique<TDeclaranteAnexo>(declaracao, tipo)),
      m_declaracao(&declaracao),
      m_tipoAnexo(tipo),
      m_advogado(std::make_unique<TAdvogadoAnexo>(declaracao)) {
  if (declaracao.GetErros()) SetErros(declaracao.GetErros());
  m_deducoesInformadas = GetPossuiDeducoes() ? 1 : 0;
}

TAnexoFC::~TAnexoFC() = default;

TDeclaranteAnexo& TAnexoFC::GetIdentificacao() { return static_cast<TDeclaranteAnexo&>(GetContribuinte()); }

void TAnexoFC::SetErros(TErros* erros) {
  m_erros = erros;
  GetContribuinte().SetErros(m_declaracao->GetErros());
}

void TAnexoFC::Atribui(TTolvAnexo& destino) {
  TTolvAnexo::Atribui(destino);
  auto* anexo = dynamic_cast<TAnexoFC*>(&destino);
  if (!anexo) return;
  anexo->SetTipoProcesso(GetTipoProcesso());
  m_advogado->CopiaPara(*anexo->m_advogado);
}

void TAnexoFC::LimpaAnexo() {
  Limpar();
  m_advogado->LimpaAdvogado();
  if (m_erros) m_erros->Limpa();
  SetTipoProcesso(kSemJustica);
}

QString TAnexoFC::DescricaoJustica(uint8_t tipoProcesso) {
  switch (tipoProcesso) {
    case 0: return QStringLiteral("Justiça federal");
    case 1: return QStringLiteral("Justiça do trabalho");
    case 2: return QStringLiteral("Justiça estadual e do Distrito Federal");
    default: return {};
  }
}

QString TAnexoFC::TipoProcessoGravado(uint8_t tipoProcesso) {
  return tipoProcesso <= 2 ? QString::number(tipoProcesso + 1) : QStringLiteral("0");
}

uint8_t TAnexoFC::TipoProcessoLido(const QString& coluna) {
  const QString t = coluna.trimmed();
  if (t == u"1") return 0;
  if (t == u"2") return 1;
  if (t == u"3") return 2;
  return kSemJustica;
}

void TAnexoFC::VerificaIdentificacao(TErros& erros) {
  TDeclaranteAnexo& identificacao = GetIdentificacao();
  const QString chave = GetFonteDK();
  const int16_t tipo = identificacao.GetTipoIdentificacao();
  if (tipo == kFundo) {
    identificacao.VerificaNi(erros, chave, chave, kCampoCnpjFundo);
    identificacao.VerificaNome(erros, chave, chave, kCampoNomeFundo);
  } else if (tipo != kProcesso) {
    identificacao.VerificaNi(erros, chave, chave, kCampoNumeroAnexo);
    identificacao.VerificaNome(erros, chave, chave, kCampoNomeAnexo);
  }
  if (identificacao.EhDoDeclarante()) {
    const QString numero = identificacao.GetNiFormatado();
    AdicionaPendencia<EAnexoInvalido>(erros, kCnpjDoAdministrador, numero, kErro, chave, numero,
                                      tipo == kFundo ? kCampoCnpjFundo : kCampoNumeroAnexo);
  }
}

void TAnexoFC::VerificaAnexo(TErros& erros, IQuadroVerificacao& quadro, int& contador, ILinhasAnexo& linhas) {
  TTolv& declaracao = *m_declaracao;
  const QString chave = GetFonteDK();
  bool cabecalho = false;
  auto escreveCabecalho = [&] {
    if (cabecalho) return;
    cabecalho = true;
    quadro.IncluiCabecalhoFundo(GetContribuinte().GetNiFormatado(), GetContribuinte().GetNome().GetValor());
  };
  auto listaJa = [&] { return erros.SemErros() || quadro.GetMostrarAvisos(); };

  erros.Limpa();
  VerificaIdentificacao(erros);
  if (erros.GetQuantidade() > 0) {
    declaracao.SetFundoClubeSemPendencia(0);
    // Nothing of the fund is listed before its header; only hidden warnings need none.
    if (erros.SemErros() && !quadro.GetMostrarAvisos()) {
      quadro.IncluiErros(erros);
      erros.Limpa();
    } else {
      escreveCabecalho();
    }
    quadro.IncluiTitulo(QStringLiteral("10Identificação do fundo ou clube de investimento"));
    quadro.IncluiErros(erros);
    erros.Limpa();
  }

  if (declaracao.GetColecaoAnexo().ExisteOperadora(GetContribuinte().GetBase()))
    AdicionaPendencia<ETolvError>(erros, kOperadoraDePlano, GetContribuinte().GetNiFormatado(), kErro,
                                  QString::number(declaracao.GetTipoAnexo()), chave, kCampoCnpjFundo);
  if (erros.GetQuantidade() > 0) {
    declaracao.SetFundoClubeSemPendencia(0);
    escreveCabecalho();
    if (listaJa()) {
      quadro.IncluiErros(erros);
      erros.Limpa();
    }
    // Otherwise the entries come out with the first report of the lines.
  }

  linhas.CarregaPrimeiro();
  bool primeiroTitulo = true;
  while (!linhas.NoFim() && !quadro.GetParado()) {
    ContaLinha(contador, quadro);
    ILinhaVerificavel& linha = linhas.GetLinha();
    linha.Verifica(erros);
    const TContribuinte& beneficiario = linha.GetBeneficiario();
    if (beneficiario.GetTipo() == kNiCnpj && beneficiario.GetRaiz() == GetContribuinte().GetRaiz())
      AdicionaPendencia<ETolvItemError>(erros, kBeneficiarioDoProprioFundo, beneficiario.GetNiFormatado(), kErro,
                                        chave, QStringLiteral("0"), kCampoNumero);
    if (erros.GetQuantidade() > 0 || quadro.GetParado()) {
      declaracao.SetFundoClubeSemPendencia(0);
      escreveCabecalho();
      if (listaJa()) {
        quadro.IncluiErros(erros);
        erros.Limpa();
      } else {
        if (primeiroTitulo) {
          primeiroTitulo = false;
          quadro.IncluiTitulo(QStringLiteral("10Beneficiários do fundo ou clube de investimento"));
        }
        quadro.IncluiErros(erros);
      }
      quadro.SetVerificados(contador);
    }
    erros.Limpa();
    linhas.CarregaProximo();
  }

  if (linhas.Vazia()) {
    declaracao.SetFundoClubeSemPendencia(0);
    escreveCabecalho();
    AdicionaPendencia<ETolvError>(erros, kFundoSemBeneficiarios, {}, kErro, chave, {}, kCampoBeneficiariosFundo);
    if (primeiroTitulo) {
      quadro.IncluiTitulo(QStringLiteral("10Beneficiários"));
      quadro.IncluiErros(erros);
    }
  }
  quadro.SetVerificados(contador);
}

void TAnexoFC::VerificaProcessos(TErros& erros, IQuadroVerificacao& quadro, int& contador, ILinhasAnexo& linhas) {
  TTolv& declaracao = *m_declaracao;
  const auto colecao = TColecaoAnexo::CreateVerificacao(declaracao);
  bd::Consulta& processos = colecao->GetConsultaProcessos();
  if (!colecao->AbreDataSet(processos)) return;

  const QString declarante = declaracao.GetContribuinte().GetNiFormatado();
  int anterior = 0;
  QString chave;
  QString justica;
  bool cabecalho = false;
  bool primeiroTitulo = true;
  auto escreveCabecalho = [&] {
    if (cabecalho) return;
    cabecalho = true;
    quadro.IncluiCabecalhoProcesso(GetContribuinte().GetNiDigitos(), justica, GetTipoProcesso());
  };
  auto avisosOcultos = [&] { return erros.SemErros() && !quadro.GetMostrarAvisos(); };
  auto pendencia = [&](uint16_t codigo, const QString& argumento, uint8_t tipo, const QString& quemEh, uint8_t campo) {
    AdicionaPendencia<ETolvItemError>(erros, codigo, argumento, tipo, chave, quemEh, campo);
  };

  while (!processos.eof() && !quadro.GetParado()) {
    const int fonte = processos.campo(QStringLiteral("FONTE_DK")).inteiro();
    if (fonte != anterior) {
      cabecalho = false;
      chave = QString::number(fonte);
      colecao->CarregaProcessoVerificacao(*this, processos);
      // The walk lists only its own findings, keyed to the field they lead to.
      erros.Limpa();
      GetIdentificacao().SetTipoIdentificacao(kProcesso);
      // A process without court has no caption of its own, never the previous process's.
      justica = DescricaoJustica(GetTipoProcesso());

      const TAdvogadoAnexo& advogado = *m_advogado;
      if (advogado.GetNiFormatado().isEmpty()) {
        pendencia(kAdvogadoAusente, {}, kAviso, {}, kCampoNumeroAnexo);
      } else if (advogado.GetNome().GetValor().isEmpty()) {
        pendencia(kAdvogadoSemNome, {}, kErro, QStringLiteral("0"), kCampoNomeAnexo);
      } else {
        // A stored name that breaks the name rules was loaded as it is: it is reported here.
        advogado.VerificaNome(erros, chave, QStringLiteral("0"), kCampoNomeAnexo);
        if (advogado.GetTipo() == kNiCnpj) {
          if (processos.campo(QStringLiteral("ADVOGADO_EH_FUNDO")).inteiro() == 1)
            pendencia(kRaizDeFundo, advogado.GetNiFormatado().left(10), kErro, QStringLiteral("0"), kCampoNumeroAnexo);
          if (advogado.GetNiFormatado() == declarante)
            pendencia(kCnpjDoDeclarante, advogado.GetNiFormatado(), kErro, QStringLiteral("0"), kCampoNumeroAnexo);
        }
      }

      // The number as stored, separators included.
      const QString numero = processos.campo(QStringLiteral("NR_PF_PJ")).texto().left(20);
      int letras = 0;
      int digitos = 0;
      for (QChar c : numero) {
        if (LetraAscii(c))
          ++letras;
        else if (c >= u'0' && c <= u'9')
          ++digitos;
        else
          pendencia(kCaracteresProcesso, {}, kErro, QStringLiteral("0"), kCampoNumero);
      }
      if (letras > digitos) pendencia(kSomenteLetras, {}, kErro, QStringLiteral("0"), kCampoNumero);

      if (erros.GetQuantidade() > 0) {
        declaracao.SetJusticaSemPendencia(0);
        if (avisosOcultos()) {
          quadro.IncluiErros(erros);
          erros.Limpa();
        } else {
          escreveCabecalho();
          quadro.IncluiTitulo(QStringLiteral("10Identificação do processo"));
        }
      }
      anterior = fonte;
      primeiroTitulo = true;
    }
    quadro.IncluiErros(erros);
    erros.Limpa();

    if (processos.campo(QStringLiteral("TOLV_ITEM_DK")).nulo()) {
      declaracao.SetJusticaSemPendencia(0);
      escreveCabecalho();
      AdicionaPendencia<ETolvError>(erros, kProcessoSemBeneficiarios, {}, kErro, chave, {}, kCampoBeneficiariosProcesso);
      primeiroTitulo = false;
      quadro.IncluiTitulo(QStringLiteral("10Beneficiários"));
      quadro.IncluiErros(erros);
      erros.Limpa();
    } else {
      linhas.CarregaItemProcesso(processos);
      ILinhaVerificavel& linha = linhas.GetLinha();
      linha.SetTipoAnexo(kProcesso);
      ContaLinha(contador, quadro);
      linha.Verifica(erros);
      if (erros.GetQuantidade() > 0 || quadro.GetParado()) {
        declaracao.SetJusticaSemPendencia(0);
        if (avisosOcultos()) {
          quadro.IncluiErros(erros);
          erros.Limpa();
        } else if (primeiroTitulo) {
          primeiroTitulo = false;
          escreveCabecalho();
          quadro.IncluiTitulo(QStringLiteral("10Beneficiários"));
          quadro.IncluiErros(erros);
          erros.Limpa();
        } else {
          quadro.IncluiErros(erros);
        }
        quadro.SetVerificados(contador);
      }
    }
    erros.Limpa();
    processos.proximo();
  }
  quadro.SetVerificados(contador);
}
