#include "validador/TAnalisadorArquivo.h"

#include <QDate>

#include <algorithm>

#include "validador/IBancoAnalise.h"
#include "validador/TAcoesContexto.h"
#include "validador/TArquivoDados.h"
#include "validador/TDeclaracao.h"
#include "validador/TRegistro.h"
#include "validador/TRegrasAnalisador.h"
#include "validador/TobjectPool.h"

using enum TTipoRegistro;

namespace {

const QString kAnoPadrao = QStringLiteral("2013");

bool EhS(const QString& valor) { return valor.toUpper() == u"S"; }

// An eight-character date year, month, day; invalid when blank or not a date.
QDate DataDoArquivo(const QString& texto) {
  if (texto.trimmed().isEmpty() || texto.size() != 8) return {};
  bool a = false, m = false, d = false;
  const QDate data(texto.left(4).toInt(&a), texto.mid(4, 2).toInt(&m), texto.mid(6, 2).toInt(&d));
  return a && m && d ? data : QDate();
}

}  // namespace

TAnalisadorArquivo::TAnalisadorArquivo(TArquivoDados& dados, TAcoesContexto* acoes, IBancoAnalise* banco)
    : m_dados(dados),
      m_acoesProprias(acoes ? nullptr : std::make_unique<TAcoesContexto>(dados)),
      m_acoes(acoes ? acoes : m_acoesProprias.get()),
      m_banco(banco),
      m_arquivo(dados),
      m_declaracao(std::make_unique<TDeclaracao>(dados)) {
  m_regraTolv = m_arquivo.Resolve(QStringLiteral("ER_RegistroTOLV"));
  m_maxErros = m_declaracao->Resolve(QStringLiteral("Max_Erros_Avisos"));
  m_fimDeclaracao = m_declaracao->Resolve(QStringLiteral("ER_FimDeclaracaoValido"));
}

TAnalisadorArquivo::~TAnalisadorArquivo() = default;

uint8_t TAnalisadorArquivo::VersaoLeiaute(const QString& primeiraLinha) {
  // Told whatever the case of the letters; a header that is not upper case then fails the
  // pre-analysis on its own.
  const QString linha = primeiraLinha.toUpper();
  if (linha.contains(u"F8UCL6S") && linha.contains(u"TOLV|2014|")) return 4;
  if (linha.contains(u"7C2DE7J") && linha.contains(u"TOLV|2013|")) return 3;
  if (linha.contains(u"1A4MA1R") && linha.contains(u"TOLV|2012|")) return 2;
  return 0;
}

bool TAnalisadorArquivo::Abre(const QString& arquivo) {
  m_nomeArquivo = arquivo;
  return m_arquivo.Abre(arquivo);
}

void TAnalisadorArquivo::Fecha() { m_arquivo.Fecha(); }

void TAnalisadorArquivo::FechaBanco() {
  if (m_banco) m_banco->FechaBanco();
}

TRegistro& TAnalisadorArquivo::RegistroDaLinha() {
  TRegistro& registro = *m_declaracao->Pool().Prototipo(m_arquivo.GetLinha().GetTipo());
  registro.SetLinha(&m_arquivo.GetLinha());
  m_declaracao->SetRegistroAtual(&registro);
  return registro;
}

void TAnalisadorArquivo::LeDeclarante(TRegistro& r) {
  TArquivoDados& d = m_dados;
  const bool pessoa = r.GetTipo() == DECPF;
  d.NiDeclarante = r.Valor(1);
  d.ChaveBanco = d.NiDeclarante + d.AnoCalendario;
  d.NomeDeclarante = r.Valor(2);
  d.TipoDeclarante = pessoa ? 1 : 2;
  QString data;
  if (pessoa) {
    d.NaturezaDeclarante = 9;
    d.IndSocioOstensivo = d.IndProcesso = d.IndFundo = false;
    d.IndExterior = EhS(r.Valor(3));
    d.IndServicosNotariais = EhS(r.Valor(4));
    d.IndPlanoSaude = EhS(r.Valor(5));
    d.SituacaoEspecial = EhS(r.Valor(6));
    data = r.Valor(7);
    d.TipoEvento = r.Valor(8).trimmed().isEmpty() ? 0 : r.Valor(8).toInt();
  } else {
    const bool comCopa = d.VersaoLeiaute >= 3;
    d.NaturezaDeclarante = r.Valor(3).toInt();
    d.IndSocioOstensivo = EhS(r.Valor(5));
    d.IndProcesso = EhS(r.Valor(6));
    d.IndFundo = EhS(r.Valor(7));
    d.IndExterior = EhS(r.Valor(8));
    d.IndPlanoSaude = EhS(r.Valor(9));
    if (comCopa) d.IndCopa = EhS(r.Valor(10));
    d.SituacaoEspecial = EhS(r.Valor(comCopa ? 11 : 10));
    data = r.Valor(comCopa ? 12 : 11);
  }
  d.SetDataEvento(DataDoArquivo(data));
}

void TAnalisadorArquivo::MarcaNiveisPreAnalise(TTipoRegistro tipo) {
  switch (tipo) {
    case DECPF: case DECPJ: case FCI: case PROC: case RRA: case PSE:
      m_dados.Nivel1 = Ordinal(tipo);
      break;
    case IDREC: case RPDE:
      m_dados.Nivel2 = Ordinal(tipo);
      break;
    default:
      break;
  }
}

void TAnalisadorArquivo::PreAnalisa() {
  TArquivoDados& d = m_dados;
  m_bancoAberto = false;
  // Without a known layout there are no records to test the file against.
  if (!m_declaracao->Pool().Prototipo(RTOLV)) {
    d.MarcaFalha();
    return;
  }
  d.ReiniciaSituacao();
  d.PreparaAnalise(TArquivo::TamanhoArquivo(m_nomeArquivo));
  if (m_banco) m_banco->ConectaModelo();

  TLinha& linha = m_arquivo.GetLinha();
  bool regraArquivo = false;
  TRegistro* registro = nullptr;
  if (m_arquivo.LeLinha()) {
    linha.Valida();
    if (linha.Valido()) {
      m_arquivo.MarcaValido();
      regraArquivo = m_arquivo.ExecutaRegra(m_regraTolv);
      if (regraArquivo) {
        registro = &RegistroDaLinha();
        registro->Valida();
        if (registro->Valido()) m_acoes->AtualizaContexto(*registro);
        if (registro->Valido()) {
          const QString& ano = registro->Valor(2);
          d.AnoCalendario = ano > kAnoPadrao ? ano : kAnoPadrao;
          d.Retificadora = registro->Valor(3) == u"S";
        }
      }
    }
  }
  if (!registro || !regraArquivo || !registro->Valido()) {
    ++d.Contagem.RegistrosRejeitados;
    d.MarcaFalha();
    FechaBanco();
    return;
  }
  d.MarcaLinha(d.LinhaAtual(), true);

  bool declarante = false;
  TTipoRegistro anterior = linha.GetTipo();
  while (!declarante && (anterior == RTOLV || anterior == RESPO || anterior == DECPF || anterior == DECPJ) &&
         m_arquivo.LeLinha()) {
    linha.Valida();
    anterior = linha.GetTipo();
    if (!linha.Valido()) {
      ++d.Contagem.RegistrosRejeitados;
      continue;
    }
    registro = &RegistroDaLinha();
    registro->Valida();
    const TTipoRegistro tipo = registro->GetTipo();
    if (!registro->Valido()) break;
    MarcaNiveisPreAnalise(tipo);
    m_declaracao->MarcaTipoVisto(tipo);
    if (tipo == DECPF || tipo == DECPJ) {
      LeDeclarante(*registro);
      declarante = true;
    }
    d.MarcaLinha(d.LinhaAtual(), true);
    d.CodigoReceitaAtual.clear();
    if (tipo == RTOLV || tipo == DECPF || tipo == DECPJ) m_acoes->AtualizaContexto(*registro);
  }

  m_declaracao->MarcaValido();
  m_declaracao->ExecutaRegras();
  if (registro->Valido() && regraArquivo && m_declaracao->Valido()) return;
  d.MarcaFalha();
  d.Interrompe();
  FechaBanco();
}

void TAnalisadorArquivo::IniciaBloco(TTipoRegistro tipo) {
  TArquivoDados& d = m_dados;
  bool* primeiro = nullptr;
  uint8_t bloco = TArquivoDados::kBlocoDeclarante;
  switch (tipo) {
    case FCI: primeiro = &d.PrimeiroFci; bloco = TArquivoDados::kBlocoFci; break;
    case PROC: primeiro = &d.PrimeiroProc; bloco = TArquivoDados::kBlocoProc; break;
    case RRA: primeiro = &d.PrimeiroRra; bloco = TArquivoDados::kBlocoRra; break;
    case PSE: primeiro = &d.PrimeiroPse; bloco = TArquivoDados::kBlocoPse; break;
    case RPDE: primeiro = &d.PrimeiroRpde; bloco = TArquivoDados::kBlocoRpde; break;
    default: return;
  }
  // Only the first head of each kind changes the block: a later one stays in the block it finds.
  if (*primeiro) return;
  *primeiro = true;
  d.BlocoAtual = bloco;
  d.CodigoReceitaAtual.clear();
  if (tipo == RRA) d.TipoAdvogado = 0;
  if (tipo == PSE) {
    d.UltimaOperadora.clear();
    d.UltimoTitular.clear();
    d.UltimoDependente.clear();
  }
}

void TAnalisadorArquivo::Aceita(TRegistro& r) {
  TArquivoDados& d = m_dados;
  TRegrasAnalisador& a = d.Analisador();
  const TTipoRegistro tipo = r.GetTipo();
  switch (tipo) {
    case RTOLV: case FCI: case PROC: case RRA: case PSE: case OPSE: case RPDE:
      a.SetBlocoCabeca(tipo);
      break;
    default:
      break;
  }
  if (tipo == IDREC) d.CodigoReceitaAtual = r.Valor(1);
  if (tipo == FIMTOLV) m_declaracao->SetFimAceito(true);
  switch (tipo) {
    case DECPF: case DECPJ: d.Nivel1 = Ordinal(tipo); break;
    case IDREC: d.Nivel2 = Ordinal(tipo); break;
    case FCI:
      d.Nivel1 = Ordinal(tipo);
      d.ExisteFci = true;
      d.CnpjFundoAtual = r.Valor(1);
      break;
    case PROC:
      d.Nivel1 = Ordinal(tipo);
      d.ExisteProc = true;
      break;
    case RRA:
      d.Nivel1 = Ordinal(tipo);
      d.ExisteRra = true;
      a.ReiniciaUnicosPorPai();
      break;
    case PSE:
      d.ExistePse = true;
      d.Nivel1 = Ordinal(tipo);
      break;
    case OPSE:
      d.Nivel2 = Ordinal(tipo);
      d.Nivel3 = TArquivoDados::kNenhum;
      break;
    case TPSE: d.Nivel3 = Ordinal(tipo); break;
    case RPDE:
      d.Nivel2 = Ordinal(tipo);
      d.ExisteRpde = true;
      break;
    case BPFDEC: case BPJDEC: case BPFFCI: case BPJFCI: case BPFPROC: case BPJPROC: case BPFRRA: case BRPDE:
      d.Nivel3 = Ordinal(tipo);
      a.ReiniciaUnicosPorPai();
      break;
    default:
      break;
  }
  // Copied into its own buffer: sharing the field's would cost the field a new one on the next line.
  const QString& identificador = r.Valor(0);
  if (d.UltimoIdentificador != identificador) {
    d.UltimoIdentificador.resize(identificador.size());
    std::copy(identificador.begin(), identificador.end(), d.UltimoIdentificador.begin());
  }
  a.MarcaAceito(tipo);
  d.MarcaLinha(d.LinhaAtual(), true);
}

void TAnalisadorArquivo::Rejeita(TTipoRegistro tipo) {
  TArquivoDados& d = m_dados;
  TRegrasAnalisador& a = d.Analisador();
  auto reinicio = [&d] { d.LinhaReinicio = d.LinhaAtual(); };
  switch (tipo) {
    case RTOLV:
      a.ReiniciaBlocos();
      a.ReiniciaBeneficiarios();
      a.SetBlocoCabeca(tipo);
      reinicio();
      break;
    case FCI: case PROC: case RRA: case OPSE:
      a.ReiniciaBlocos();
      a.ReiniciaBeneficiarios();
      a.SetBlocoCabeca(tipo);
      a.ReiniciaContexto();
      reinicio();
      break;
    case PSE: case RPDE:
      a.ReiniciaBlocos();
      a.ReiniciaBeneficiarios();
      a.SetBlocoCabeca(tipo);
      a.ReiniciaCodigo();
      reinicio();
      break;
    case IDREC:
      a.ReiniciaCodigo();
      reinicio();
      break;
    case TPSE:
      a.ReiniciaTitular();
      a.ReiniciaTitular();
      ++d.Contagem.TitularesRejeitados;
      reinicio();
      break;
    case DTPSE:
      a.ReiniciaBeneficiarios();
      reinicio();
      ++d.Contagem.DependentesRejeitados;
      break;
    case BPFDEC: case BPJDEC: case BPFFCI: case BPJFCI: case BPFPROC: case BPJPROC: case BPFRRA:
      a.ReiniciaBeneficiarios();
      a.ReiniciaBeneficiarios();
      ++d.Contagem.BeneficiariosRejeitados;
      reinicio();
      break;
    case BRPDE:
      a.ReiniciaBeneficiarios();
      ++d.Contagem.BeneficiariosRejeitados;
      reinicio();
      break;
    default:
      break;
  }
  d.MarcaLinha(d.LinhaAtual(), false);
  ++d.Contagem.RegistrosRejeitados;
}

void TAnalisadorArquivo::Analisa() {
  TArquivoDados& d = m_dados;
  if (!m_declaracao->Pool().Prototipo(RTOLV)) {
    d.MarcaFalha();
    return;
  }
  d.Analisador().Reinicia();
  FechaBanco();
  if (m_banco) m_banco->AbreBanco();
  m_bancoAberto = true;
  m_acoes->LimpaIds();
  d.CriaRemessa();
  d.CriaRra();

  TLinha& linha = m_arquivo.GetLinha();
  while (!d.Falhou && !d.Interrompido && !m_declaracao->FimAceito() && m_arquivo.LeLinha()) {
    m_declaracao->MarcaValido();
    if (!m_declaracao->ExecutaRegra(m_maxErros)) d.Interrompe();
    if (d.Interrompido) break;

    linha.Valida();
    if (!linha.Valido()) {
      d.Analisador().ReiniciaContexto();
      d.LinhaReinicio = d.LinhaAtual();
      d.MarcaLinha(d.LinhaAtual(), false);
      ++d.Contagem.RegistrosRejeitados;
      if (d.BlocoAtual == TArquivoDados::kBlocoRpde) {
        d.Nivel2 = Ordinal(RPDE);
      } else {
        d.Nivel2 = TArquivoDados::kNenhum;
        if (d.BlocoAtual == TArquivoDados::kBlocoPse) d.Nivel1 = Ordinal(PSE);
      }
      d.Nivel3 = TArquivoDados::kNenhum;
    } else {
      TRegistro& registro = RegistroDaLinha();
      IniciaBloco(registro.GetTipo());
      registro.Valida();
      if (registro.Valido()) m_acoes->AtualizaContexto(registro);
      if (registro.Valido())
        Aceita(registro);
      else
        Rejeita(registro.GetTipo());
    }
    d.ProcessaEventos();
  }

  if (!d.Falhou && !d.Interrompido) {
    if (!m_declaracao->FimAceito() && !m_declaracao->ExecutaRegra(m_fimDeclaracao)) d.MarcaFalha();
    if (!d.Falhou) d.Conclui();
  }
  if (d.DeclaracaoExiste) FechaBanco();
}

TAnalisadorArquivo::Resultado TAnalisadorArquivo::AnalisaArquivo(const QString& arquivo, const QString& caminhoLog,
                                                                 IServicosSecoes* servicos) {
  Resultado resultado;
  QString primeira;
  TArquivo::LePrimeiraLinha(arquivo, primeira);
  resultado.versao = VersaoLeiaute(primeira);
  TArquivoDados dados(caminhoLog, servicos);
  dados.VersaoLeiaute = resultado.versao;
  if (resultado.versao != 0) {
    TAnalisadorArquivo analisador(dados);
    if (analisador.Abre(arquivo)) {
      analisador.PreAnalisa();
      if (!dados.Falhou) analisador.Analisa();
    }
    analisador.Fecha();
  }
  dados.FechaLog();
  resultado.concluido = dados.Concluido;
  resultado.falhou = dados.Falhou;
  resultado.erros = dados.Contagem.Erros;
  resultado.avisos = dados.Contagem.Avisos;
  resultado.registrosRejeitados = dados.Contagem.RegistrosRejeitados;
  resultado.erroLog = dados.ErroLog();
  return resultado;
}
